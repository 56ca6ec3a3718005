// English mode (起英文名): English given names whose initial matches the sound of the first
// character of the Chinese given name, for one gender character, from the table LM_EName;
// and the pieces of reading a name aloud that need no widget.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "generation/generation_inputs.h"

namespace langyue {

// One row of 超级列表框_英文列表: "编号", "英文名", "中文读音", "相关含义" (texts GBK).
struct EnglishNameRow {
    int number = 0;
    std::string name;             // Name
    std::string chinese_reading;  // Cnword
    std::string meaning;          // Mean
};

// The initial searched among the English names for the initial of a pinyin reading: a→i,
// c→s, j→g, k→ch, o→a, q→ch, x→sh, y→e, z→th; any other text unchanged.
std::string english_initial_map(const std::string& pinyin_initial);

// The pinyin initial of a character: its 声母 in lower case, or, when that is empty, the first
// character of its 拼音1 unchanged; empty for a character without a LM_CNWord row.
std::string pinyin_initial_of(const std::string& character);

// The English run: the initial of the first character of the given name, mapped, compared
// byte for byte with each LM_EName row's EIndex2 (or EIndex when that is empty), together with
// the gender character and the length range; `add_row` receives each match, numbered from 1,
// in the engine's order. Returns the number of rows. A given name of blanks lists nothing.
int list_english_names(const EnglishNameInputs& inputs,
                       const std::function<void(const EnglishNameRow&)>& add_row);
std::vector<EnglishNameRow> english_names(const EnglishNameInputs& inputs);

// The list as text: the header "编号    英文名    中文读音    相关含义" and one line per row,
// columns separated by four blanks, lines ended by CR LF (GBK).
std::string english_list_text(const std::vector<EnglishNameRow>& rows);

// The online dictionary's search page for a name: the address constant followed directly by
// the name (query key wd, no further encoding).
inline constexpr const char* kEnglishDictionaryAddress = "http://dict.baidu.com/s?wd=";
std::string pronunciation_page_address(const std::string& name);

// The pronunciation link of a dictionary page (GBK): the text after the first
// `<a href="#" url="` up to the first ".mp3" after it, or empty without the marker. The
// player is given this link followed by ".mp3".
std::string pronunciation_link(const std::string& page);

}  // namespace langyue
