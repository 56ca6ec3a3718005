#include "app/ui/html_view.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "app/ui/qt_text.h"

namespace langyue {

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void HtmlView::open_page(const QString& path) {
    QFile file(path);
    source_.clear();
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        source_ = from_gbk(bytes.toStdString());
    }
    // Relative links and images resolve against the page's folder.
    document()->setMetaInformation(QTextDocument::DocumentUrl,
                                   QUrl::fromLocalFile(QFileInfo(path).absolutePath() + "/")
                                       .toString());
    setHtml(source_);
}

void HtmlView::print_page() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) print(&printer);
}

void HtmlView::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

}  // namespace langyue
