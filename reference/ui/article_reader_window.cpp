#include "reference/ui/article_reader_window.h"

#include <QHeaderView>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QTreeWidget>

#include "app/ui/html_view.h"
#include "app/ui/qt_text.h"
#include "reference/article_reader.h"

namespace langyue {
namespace {

constexpr int kContentTop = 40;
constexpr int kListWidth = 232;
constexpr int kViewOffset = 236;

// The table of the last open_article_list; show_article reads from it. It outlives the
// window: closing the reader does not forget it.
std::string& remembered_table() {
    static std::string table;
    return table;
}

QPointer<ArticleReaderWindow>& current_reader() {
    static QPointer<ArticleReaderWindow> reader;
    return reader;
}

}  // namespace

QString ArticleReaderWindow::designed_caption() { return QStringLiteral("文章阅读窗口"); }

ArticleReaderWindow::ArticleReaderWindow(QWidget* parent) : DetailWindowFrame(parent) {
    setObjectName(QStringLiteral("LumettoRead"));
    setWindowTitle(designed_caption());

    titles_ = new QTreeWidget(this);
    titles_->setObjectName(QStringLiteral("超级列表框_文章阅读"));
    titles_->setColumnCount(1);
    titles_->setHeaderLabels({QStringLiteral("文章标题[点击阅读]")});
    titles_->setColumnWidth(0, 210);
    titles_->setRootIsDecorated(false);
    titles_->setUniformRowHeights(true);
    titles_->setSelectionMode(QAbstractItemView::SingleSelection);
    // A click shows the article even when the title is already selected; a change of the
    // current row, by mouse or keyboard, shows it too.
    connect(titles_, &QTreeWidget::itemClicked, this, &ArticleReaderWindow::show_article);
    connect(titles_, &QTreeWidget::currentItemChanged, this, &ArticleReaderWindow::show_article);

    view_ = new HtmlView(this);
    view_->setObjectName(QStringLiteral("网页浏览框1"));

    titles_->setGeometry(0, kContentTop, kListWidth, 464);
    place_content(width(), height());
}

void ArticleReaderWindow::fill(const std::string& table, const std::string& category) {
    setWindowTitle(from_gbk(category));
    remembered_table() = table;
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    {
        const QSignalBlocker quiet(titles_);
        titles_->clear();
        for (const std::string& title : article_titles(table, category)) {
            auto* row = new QTreeWidgetItem(titles_, {from_gbk(title)});
            row->setIcon(0, icon);
        }
        titles_->setCurrentItem(titles_->topLevelItem(0));
    }
    show_article();
}

void ArticleReaderWindow::show_article() {
    const QTreeWidgetItem* row = titles_->currentItem();
    const std::string title = row ? to_gbk(row->text(0)) : std::string();
    write_article_page(remembered_table(), title);
    view_->open_page(QString::fromStdString(article_page_file()));
}

void ArticleReaderWindow::print_current() { view_->print_page(); }

void ArticleReaderWindow::place_content(int width, int height) {
    if (!titles_ || !view_) return;
    const QRect list = titles_->geometry();
    titles_->setGeometry(list.x(), list.y(), list.width(), height - 70);
    view_->setGeometry(list.x() + kViewOffset, kContentTop, width - list.width() - 1, height - 70);
}

ArticleReaderWindow* open_article_list(QWidget* owner, const QString& table,
                                       const QString& category) {
    QPointer<ArticleReaderWindow>& reader = current_reader();
    if (!reader) reader = new ArticleReaderWindow(owner);
    reader->fill(to_gbk(table), to_gbk(category));
    reader->show();
    reader->raise();
    reader->activateWindow();
    return reader;
}

ArticleReaderWindow* open_article_reader() { return current_reader(); }

void connect_article_menu(QMenu* menu, const QString& table, QWidget* owner) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        if (QMenu* submenu = action->menu()) {
            connect_article_menu(submenu, table, owner);
            continue;
        }
        QObject::connect(action, &QAction::triggered, owner, [owner, table, action] {
            open_article_list(owner, table, action->text());
        });
    }
}

}  // namespace langyue
