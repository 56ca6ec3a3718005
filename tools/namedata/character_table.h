// LM_CNWord: one row per Chinese character that has a GBK form, derived from Unihan, OpenCC,
// the Wubi-86 table, the phrase list and the team's files under resources/data.
#pragma once

#include <string>
#include <vector>

#include "tools/namedata/chinese_convert.h"
#include "tools/namedata/unihan.h"

namespace namedata {

struct CharacterSources {
    const Unihan* unihan = nullptr;
    const ChineseConvert* convert = nullptr;
    std::string wubi_table;   // ibus-table's wubi-jidian86.db (table goucima)
    std::string phrase_list;  // rime's luna_pinyin.table.txt (traditional phrases, weights)
    std::string data_dir;     // resources/data: traditional_overrides.tsv,
                              // element_overrides.tsv, char_meanings_*.tsv
};

// The rows of LM_CNWord in code-point order, each with the table's 16 columns as UTF-8
// texts. False with a message when a source cannot be read.
bool build_character_rows(const CharacterSources& sources,
                          std::vector<std::vector<std::string>>& rows, std::string& error);

}  // namespace namedata
