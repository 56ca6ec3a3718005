#include "analysis/ui/detail_window_frame.h"

#include <QAction>
#include <QGroupBox>
#include <QResizeEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace langyue {
namespace {

constexpr int kToolbarHeight = 36;
constexpr int kStatusBarHeight = 22;

}  // namespace

QString DetailWindowFrame::window_caption() { return QStringLiteral("姓名详细解释"); }

DetailWindowFrame::DetailWindowFrame(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("LumettoConten"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(window_caption());

    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("工具条1"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar_->setIconSize(QSize(20, 20));
    toolbar_->setMovable(false);
    const struct {
        const char16_t* text;
        QStyle::StandardPixmap icon;
    } buttons[] = {{u"首页", QStyle::SP_DirHomeIcon},
                   {u"后退", QStyle::SP_ArrowBack},
                   {u"前进", QStyle::SP_ArrowForward},
                   {u"导出", QStyle::SP_DialogSaveButton},
                   {u"打印", QStyle::SP_FileDialogContentsView},
                   {u"退出", QStyle::SP_DialogCloseButton}};
    int position = 0;
    for (const auto& button : buttons) {
        if (position > 0) {
            toolbar_->addSeparator();
            ++position;
        }
        QAction* action = toolbar_->addAction(style()->standardIcon(button.icon),
                                              QString::fromUtf16(button.text));
        connect(action, &QAction::triggered, this, [this, position] { toolbar_clicked(position); });
        ++position;
    }

    separator_ = new QGroupBox(this);
    separator_->setObjectName(QStringLiteral("分组框4"));
    separator_->setFlat(true);

    status_bar_ = new QStatusBar(this);
    status_bar_->setObjectName(QStringLiteral("状态条1"));
    status_bar_->setSizeGripEnabled(true);

    move(50, 50);
    resize(876, 534);
}

void DetailWindowFrame::toolbar_clicked(int position) {
    if (position == kPrintPosition) print_current();
    if (position == kExitPosition) close();
}

void DetailWindowFrame::resizeEvent(QResizeEvent* event) {
    const int width = event->size().width();
    const int height = event->size().height();
    toolbar_->setGeometry(0, 0, width, kToolbarHeight);
    separator_->setGeometry(-5, kToolbarHeight, width + 10, 4);
    status_bar_->setGeometry(0, height - kStatusBarHeight, width, kStatusBarHeight);
    place_content(width, height);
    QWidget::resizeEvent(event);
}

}  // namespace langyue
