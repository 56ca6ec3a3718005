// Conversion between the program's GBK (code page 936) texts and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace langyue {

// UTF-8 to GBK. A text that cannot be converted whole yields empty text, so that a
// half-converted value never reaches a statement or a page.
std::string utf8_to_gbk(std::string_view utf8);

// GBK to UTF-8, with the same all-or-nothing rule.
std::string gbk_to_utf8(std::string_view gbk);

// Short name for fixed Chinese texts written in the UTF-8 source files.
inline std::string gbk(std::string_view utf8) { return utf8_to_gbk(utf8); }

}  // namespace langyue
