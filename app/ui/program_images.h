// The program's pictures, drawn at run time: toolbar buttons, the status bar's image list,
// the image in front of list rows, the window icon and the about window's picture.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace langyue {

// The toolbar buttons' images, 0 to 4: 模式选择, 生辰八字, 姓名评分, 起名记录, 新华字典.
QIcon toolbar_image(int button);
// The status bar's image list, 0 to 6, one per generation mode in the order of the mode hints
// (经典, 高分, 超吉, 诗词, 组合, 小名, 英文).
QPixmap status_image(int index);
// Image 0 of every list: a small crescent moon.
QIcon row_image();
// The window icon: a full moon over a cradle line.
QIcon window_icon();
// The about window's picture: a night sky with a bright moon and stars.
QPixmap about_picture(const QSize& size);

}  // namespace langyue
