#include "app/ui/about_window.h"

#include <QLabel>

#include "app/ui/clickable_label.h"
#include "app/ui/program_images.h"
#include "app/ui/user_manual.h"

namespace langyue {

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("AboutUs"));
    setWindowTitle(QStringLiteral("关于软件"));
    setFixedSize(678, 338);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("图片框1"));
    picture->setGeometry(rect());
    picture->setPixmap(about_picture(size()));

    auto* title = new QLabel(QStringLiteral("朗月宝宝起名软件 版本：V1.1"), this);
    title->setObjectName(QStringLiteral("透明标签1"));
    QFont title_font = title->font();
    title_font.setPixelSize(24);
    title_font.setBold(true);
    title->setFont(title_font);
    title->setStyleSheet(QStringLiteral("color: #fff6d8; background: transparent;"));
    title->setGeometry(36, 40, 460, 40);

    auto* about = new ClickableLabel(
        QStringLiteral("朗月宝宝取名软件陪伴年轻的父母，为宝宝挑选一个音韵和谐、寓意美好的名字。"
                       "软件用康熙字典笔画推算五格与三才，排出生辰八字，还收录了育儿和起名方面的"
                       "知识文章。名字寄托着一家人的祝福，分数只是参考，最合适的名字还要您细细品味。"
                       "\n\n点击这里阅读使用手册。"),
        this);
    about->setObjectName(QStringLiteral("透明标签2"));
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    about->setStyleSheet(QStringLiteral("color: #e8ecff; background: transparent;"));
    about->setGeometry(36, 100, 400, 160);
    connect(about, &ClickableLabel::released, this, [] { open_user_manual_document(); });
}

}  // namespace langyue
