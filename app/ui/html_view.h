// The HTML view of the detail, poem, article and dictionary pages: opens a GBK page file,
// refuses the page's context menu, and prints the shown page after the system print dialog.
#pragma once

#include <QTextBrowser>

namespace langyue {

class HtmlView : public QTextBrowser {
    Q_OBJECT

public:
    explicit HtmlView(QWidget* parent = nullptr);

    // Shows a page file written as GBK bytes; an unreadable file shows an empty page.
    void open_page(const QString& path);
    // The page as it was loaded (for tests).
    const QString& page_source() const { return source_; }

public slots:
    // Opens the system print dialog and prints the page when the user agrees.
    void print_page();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString source_;
};

}  // namespace langyue
