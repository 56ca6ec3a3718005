// A database for the analysis tests: a few characters with exact counts, and verdicts set
// per case, so every grid and score of a case is known in advance.
#pragma once

#include <string>

#include "tests/test_support.h"

namespace langyue::test {

// Character rows: 汉字, 繁体, 简体笔画数, 繁体笔画数, 拼音2, 五行属性.
inline void add_character(const std::string& character, const std::string& traditional,
                          int simplified, int kangxi, const std::string& pinyin,
                          const std::string& element) {
    exec_sql("insert into LM_CNWord values (0,0,'" + character + "','" + character + "','" +
             traditional + "'," + std::to_string(simplified) + "," + std::to_string(kangxi) +
             ",'x','" + pinyin + "','','','部','" + element + "','','基本" + character +
             "','详细" + character + "')");
}

// An LM_八一灵动数 row whose texts name the number, so pages show which row they read.
inline void add_number(int id, const std::string& verdict, const std::string& hint = "暗示") {
    const std::string n = std::to_string(id);
    exec_sql("insert into LM_八一灵动数 values (" + n + ",'" + verdict + "','名" + n + "','释" +
             n + "','运" + n + "','业" + n + "','家" + n + "','康" + n + "','义" + n + "','" +
             hint + "')");
}

inline void add_pattern(const std::string& pattern, const std::string& verdict) {
    std::string values = "0,'" + pattern + "','" + verdict + "','总" + pattern + "','注'";
    for (int i = 0; i < 16; ++i) values += ",'面" + std::to_string(i + 1) + "'";
    exec_sql("insert into LM_三才配置 values (" + values + ")");
}

// 李 7 火, 朗 11 火, 月 4 土, 于 (於) 3/8 土, 欧 (歐) 8/15 土, 阳 (陽) 6/17 土.
inline void add_standard_characters() {
    add_character("李", "李", 7, 7, "lǐ", "火");
    add_character("朗", "朗", 10, 11, "lǎng", "火");
    add_character("月", "月", 4, 4, "yuè", "土");
    add_character("于", "於", 3, 8, "yú", "土");
    add_character("欧", "歐", 8, 15, "ōu", "土");
    add_character("阳", "陽", 6, 17, "yáng", "土");
}

}  // namespace langyue::test
