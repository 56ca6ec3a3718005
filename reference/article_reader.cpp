#include "reference/article_reader.h"

#include "analysis/report_pages.h"
#include "app/embedded_resources.h"
#include "app/program_paths.h"
#include "db/name_database.h"
#include "text/gbk.h"

namespace langyue {
namespace {

// Columns of LM_育儿百科 and LM_算命风水: ID, 分类ID, 分类标题, 标题, 内容.
constexpr int kTitleColumn = 3;
constexpr int kBodyColumn = 4;

// "select * from LM_<table> where <column>="<value>"", the value put in as it is: a value
// holding a double quote makes the statement fail, which reads as an empty result.
std::string select_where(const std::string& table, const char* column_utf8,
                         const std::string& value) {
    return "select * from LM_" + table + " where " + gbk(column_utf8) + "=\"" + value + "\"";
}

// The template file keeps one line per text line for editing; the page uses CR LF between
// lines and no break after the last one.
std::string crlf_template(std::string_view source) {
    std::string page;
    page.reserve(source.size() + 16);
    for (const char c : source) {
        if (c == '\r') continue;
        if (c == '\n') {
            page += "\r\n";
        } else {
            page += c;
        }
    }
    while (page.size() >= 2 && page.compare(page.size() - 2, 2, "\r\n") == 0) {
        page.resize(page.size() - 2);
    }
    return page;
}

}  // namespace

std::vector<std::string> article_titles(const std::string& table, const std::string& category) {
    QueryCursor row = name_database().query(select_where(table, "分类标题", category));
    std::vector<std::string> titles;
    do titles.push_back(row.column_text(kTitleColumn));
    while (row.next_row());
    row.finalize();
    return titles;
}

const std::string& article_page_template() {
    static const std::string page =
        gbk(crlf_template(embedded_resource("templates/article_page.html")));
    return page;
}

std::string fill_article_page(const std::string& table, const std::string& title) {
    static const std::string title_placeholder = gbk("{文章标题}");
    static const std::string body_placeholder = gbk("{文章内容}");
    QueryCursor row = name_database().query(select_where(table, "标题", title));
    std::string page = article_page_template();
    replace_placeholder(page, title_placeholder, title);
    replace_placeholder(page, body_placeholder, row.column_text(kBodyColumn));
    row.finalize();
    return page;
}

bool write_article_page(const std::string& table, const std::string& title) {
    return write_gbk_file(article_page_file(), fill_article_page(table, title));
}

std::string article_page_file() { return data_file("temp.html"); }

}  // namespace langyue
