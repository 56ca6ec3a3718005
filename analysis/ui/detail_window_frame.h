// What both detail windows share: the toolbar "首页 后退 前进 导出 打印 退出" with a separator
// between each two buttons, the 4-pixel separator line under it and the status bar. Only
// "打印" (position 8) and "退出" (position 10) act; the other four buttons are shown idle.
#pragma once

#include <QWidget>

class QGroupBox;
class QStatusBar;
class QToolBar;

namespace langyue {

class DetailWindowFrame : public QWidget {
    Q_OBJECT

public:
    // Toolbar positions (separators included) of the two working buttons.
    static constexpr int kPrintPosition = 8;
    static constexpr int kExitPosition = 10;
    // The fixed caption of both windows.
    static QString window_caption();

    QToolBar* toolbar() const { return toolbar_; }

protected:
    // A top-level window of 876 x 534 at 50, 50, destroyed when it closes.
    explicit DetailWindowFrame(QWidget* parent);

    // The print button: the view on show prints its page after the print dialog.
    virtual void print_current() = 0;
    // Places the content for a client area of `width` x `height`.
    virtual void place_content(int width, int height) = 0;

    void resizeEvent(QResizeEvent* event) override;

private:
    void toolbar_clicked(int position);

    QToolBar* toolbar_ = nullptr;
    QGroupBox* separator_ = nullptr;
    QStatusBar* status_bar_ = nullptr;
};

}  // namespace langyue
