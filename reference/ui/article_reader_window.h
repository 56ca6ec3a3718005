// The article reader LumettoRead: the titles of one category on the left, the chosen article
// on the right, under the detail windows' toolbar (打印 prints the page, 退出 closes).
// The two article menus of the main window open it through open_article_list.
#pragma once

#include <string>

#include "analysis/ui/detail_window_frame.h"

class QMenu;
class QTreeWidget;

namespace langyue {

class HtmlView;

class ArticleReaderWindow : public DetailWindowFrame {
    Q_OBJECT

public:
    // The designed caption, replaced by the category once a list is opened.
    static QString designed_caption();

    explicit ArticleReaderWindow(QWidget* parent = nullptr);

    // Lists the titles of `category` (GBK) of table LM_<table> (GBK, without "LM_"), takes
    // the category as caption, selects the first title and shows its article.
    void fill(const std::string& table, const std::string& category);

    QTreeWidget* title_list() const { return titles_; }
    HtmlView* view() const { return view_; }

public slots:
    // Writes the page of the selected title to data/temp.html and shows it.
    void show_article();

protected:
    void print_current() override;
    void place_content(int width, int height) override;

private:
    QTreeWidget* titles_ = nullptr;
    HtmlView* view_ = nullptr;
};

// The menu command: opens the reader as an ordinary window owned by `owner`, or reuses the
// one already open, and fills it with `category` of LM_<table>. `table` is "育儿百科" or
// "算命风水". Returns the reader.
ArticleReaderWindow* open_article_list(QWidget* owner, const QString& table,
                                       const QString& category);

// The reader that is open now, or none.
ArticleReaderWindow* open_article_reader();

// Makes every item of `menu` and of its submenus open the category named by its caption in
// LM_<table>, with the reader owned by `owner`.
void connect_article_menu(QMenu* menu, const QString& table, QWidget* owner);

}  // namespace langyue
