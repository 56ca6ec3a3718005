#include "analysis/ui/page_detail_window.h"

#include "app/program_paths.h"
#include "app/ui/html_view.h"

namespace langyue {

PageDetailWindow::PageDetailWindow(const QString& caption, const QString& page_path,
                                   QWidget* parent)
    : DetailWindowFrame(parent) {
    setWindowTitle(caption);
    view_ = new HtmlView(this);
    view_->setObjectName(QStringLiteral("网页浏览框1"));
    view_->setGeometry(0, 40, 864, 440);
    place_content(width(), height());
    view_->open_page(page_path);
}

PageDetailWindow::PageDetailWindow(QWidget* parent)
    : PageDetailWindow(window_caption(), QString::fromStdString(data_file("temp.html")), parent) {}

void PageDetailWindow::print_current() { view_->print_page(); }

void PageDetailWindow::place_content(int width, int height) {
    if (view_) view_->resize(width - 1, height - 70);
}

}  // namespace langyue
