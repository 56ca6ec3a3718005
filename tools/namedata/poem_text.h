// The pure text rules of the poem table: how a poem's lines become its content, which
// characters start its clauses, and which texts the corpus marks as incomplete. UTF-8.
#pragma once

#include <string>
#include <vector>

namespace namedata {

// The content of a poem: its lines joined as written, ASCII punctuation made full-width.
std::string join_poem_lines(const std::vector<std::string>& lines);
// 首字母: the first ideograph of each clause, a clause ending in "，" or "。".
std::string clause_initials(const std::string& content);
// Whether a text holds a placeholder of the corpus: "□" for a lost character, "{…}" for
// a character described by its parts.
bool has_placeholder(const std::string& text);

}  // namespace namedata
