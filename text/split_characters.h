// Cutting GBK texts into characters, and searching one text in another.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace langyue {

// Cuts a GBK text into characters. A byte above 122 ('z') starts a two-byte character, any
// other byte is a character by itself; the threshold is 122 rather than 127 on purpose, so
// '{' '|' '}' '~' and DEL also take the byte after them. A text of nothing but spaces gives
// no characters; spaces inside other text stay as one-byte characters.
std::vector<std::string> split_characters(std::string_view text);

// Whether `text` contains `part`, searched character by character over GBK bytes: a byte of
// 128 or more starts a two-byte character and is stepped over whole, so a match never starts
// in the middle of a character. An empty part is contained in every text.
bool text_contains(std::string_view text, std::string_view part);

}  // namespace langyue
