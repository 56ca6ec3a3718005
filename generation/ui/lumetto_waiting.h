// The waiting window LumettoWaiting ("请稍等"), shown modeless over the main window while a
// generation run prepares its names: a frame, an animated progress picture of eight frames
// and the message "正在生成,请稍等一下......".
#pragma once

#include <QDialog>

class QTimer;

namespace langyue {

// The animated picture 图片框1: eight frames of 145×15 pixels, 70 ms each, drawn here (a row
// of small moons that wax one after the other).
class WaitingAnimation : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFrames = 8;
    static constexpr int kFrameMilliseconds = 70;

    explicit WaitingAnimation(QWidget* parent = nullptr);
    int frame() const { return frame_; }
    // Draws frame `index` (0 to 7) of 145×15 pixels.
    static QPixmap frame_picture(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer* timer_;
    int frame_ = 0;
};

class LumettoWaiting : public QDialog {
    Q_OBJECT

public:
    explicit LumettoWaiting(QWidget* owner);
};

}  // namespace langyue
