// The user's inputs and naming records, kept between runs in the settings file (INI, GBK,
// section "设置"). The user-interface layer decides where the file lives and passes its path.
#pragma once

#include <string>
#include <vector>

#include "app/naming_records.h"

namespace langyue {

// The values the main window saves and restores. Texts are GBK.
struct SavedSettings {
    std::string surname;            // key "姓氏", the text of 编辑框_姓氏
    int sex_index = 0;              // key "性别", 0 boy, 1 girl
    int name_length_index = 0;      // key "名字个数", 0 one character, 1 two
    std::string combination_text;   // key "组合的字"
    std::string english_given_name; // key "英文名字"
    std::string scoring_given_name; // key "评分名字"
    std::vector<NamingRecord> records;  // key "名字记录"
};

// The usual text-to-number reading: leading blanks, an optional sign and the digits that
// follow; anything else (empty text included) is 0.
int text_to_number(const std::string& text);

// Reads the settings file. A missing file, section or key gives the first-run values: empty
// texts, index 0 in both lists and no records. Values are read whole, however long.
SavedSettings read_settings(const std::string& path);

// Writes the six inputs, then the records, into section "设置" in that key order, keeping
// every other section and key of the file. The file is replaced in one step, so a failed
// write leaves the earlier file whole. False when it could not be written.
bool write_settings(const std::string& path, const SavedSettings& settings);

}  // namespace langyue
