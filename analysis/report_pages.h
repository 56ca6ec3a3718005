// The three page formats of a name's detail: the name report, the character page and the
// surname page. Each is a template whose brace placeholders are replaced in a fixed order;
// pages are written as GBK files to the data folder beside the program.
#pragma once

#include <string>

namespace langyue {

struct NameAnalysis;

// Replaces every occurrence of `placeholder` in `page` by `value` (plain, case-sensitive).
void replace_placeholder(std::string& page, const std::string& placeholder,
                         const std::string& value);

// The name report of an analysis (GBK page text).
std::string fill_name_report(const NameAnalysis& analysis);

// The character page of one character, from its first LM_CNWord row (used unchanged; a
// character without a row gets a page with empty fields).
std::string fill_character_page(const std::string& character);
// Writes the character page to data/temp<position>.html (position 1 to 4).
bool write_character_page(const std::string& character, int position);

// The surname page, from the first LM_百家姓 row whose 姓 is the whole surname.
std::string fill_surname_page(const std::string& surname);
// Writes the surname page to data/temp5.html.
bool write_surname_page(const std::string& surname);

// Writes bytes to a file, replacing it; false when it could not be written.
bool write_gbk_file(const std::string& path, const std::string& bytes);

}  // namespace langyue
