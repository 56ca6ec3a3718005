// The single-page detail window: the detail toolbar over one view that shows one page file.
// The dictionary opens it on its character page.
#pragma once

#include "analysis/ui/detail_window_frame.h"

namespace langyue {

class HtmlView;

class PageDetailWindow : public DetailWindowFrame {
    Q_OBJECT

public:
    // Shows `page_path` (a GBK page file) under the caption `caption`.
    PageDetailWindow(const QString& caption, const QString& page_path, QWidget* parent = nullptr);
    // The usual window: caption "姓名详细解释" and the page data/temp.html.
    explicit PageDetailWindow(QWidget* parent = nullptr);

    HtmlView* view() const { return view_; }

protected:
    void print_current() override;
    void place_content(int width, int height) override;

private:
    HtmlView* view_ = nullptr;
};

}  // namespace langyue
