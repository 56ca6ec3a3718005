// The article reader's data side: the titles of one category, the article page made from its
// template, and the page file data/temp.html. Tables are named without their "LM_" prefix
// ("育儿百科" or "算命风水"); every text is GBK.
#pragma once

#include <string>
#include <vector>

namespace langyue {

// The titles of a category in the table's row order. A category without articles, or a
// database that is not loaded, gives one empty title, as the query layer reads an empty
// result.
std::vector<std::string> article_titles(const std::string& table, const std::string& category);

// The article page template with CR LF line breaks and none after the last line.
const std::string& article_page_template();

// The page of the first article of `table` with this title: the template with the title and
// the body put in unchanged (the body is an HTML fragment, not escaped). When no article has
// this title the body is empty.
std::string fill_article_page(const std::string& table, const std::string& title);

// Writes fill_article_page to data/temp.html, replacing it; false when it cannot be written.
bool write_article_page(const std::string& table, const std::string& title);

// The file write_article_page writes (data/temp.html in the program folder).
std::string article_page_file();

}  // namespace langyue
