// A database made for generation tests: every character of the built-in pools with stroke
// counts and elements by a fixed rule, and verdicts chosen by the test, so that the cases are
// exact. Replaces the global connection.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/element.h"
#include "generation/pools.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue::test {

inline const char* const kElementsUtf8[5] = {"金", "木", "水", "火", "土"};

// The facts the synthetic table gives a pool character, by its position in the joined text of
// the boys' and girls' pools (first occurrence).
struct SyntheticFacts {
    int strokes = 0;      // simplified and traditional alike
    int element = 0;      // index into kElementsUtf8
};
inline SyntheticFacts synthetic_facts(size_t index) {
    return {static_cast<int>(1 + (index * 7) % 23), static_cast<int>(index % 5)};
}

using NumberVerdict = std::function<std::string(int)>;  // UTF-8 verdict of a grid number
using PatternVerdict = std::function<std::string(int, int, int)>;  // of element indexes

// Builds the database: the pool characters (facts above, except those in `unusable`, which get
// an empty element), extra rows given as (character, strokes, element index), numbers 1 to 200
// and all 125 patterns.
inline void open_synthetic_database(
    const NumberVerdict& number_verdict, const PatternVerdict& pattern_verdict,
    const std::vector<std::tuple<std::string, int, int>>& extra = {},
    const std::vector<std::string>& unusable = {}) {
    open_empty_test_database();
    exec_sql("begin");
    std::string values;
    int id = 0;
    auto add_row = [&](const std::string& character, int strokes, const std::string& element) {
        if (!values.empty()) values += ",";
        values += "(" + std::to_string(++id) + ",\"" + character + "\"," + std::to_string(strokes) +
                  "," + std::to_string(strokes) + ",\"" + element + "\")";
        if (id % 500 == 0) {
            exec_sql("insert into LM_CNWord (Id,汉字,简体笔画数,繁体笔画数,五行属性) values " + values);
            values.clear();
        }
    };
    for (const auto& [character, strokes, element] : extra) {
        add_row(character, strokes, kElementsUtf8[element]);
    }
    const std::vector<std::string>& all = pool_entries(Pool::kNicknameCharacters);
    for (size_t i = 0; i < all.size(); ++i) {
        const std::string character = gbk_to_utf8(all[i]);
        const SyntheticFacts facts = synthetic_facts(i);
        const bool usable = std::find(unusable.begin(), unusable.end(), character) == unusable.end();
        add_row(character, facts.strokes, usable ? kElementsUtf8[facts.element] : "");
    }
    if (!values.empty()) {
        exec_sql("insert into LM_CNWord (Id,汉字,简体笔画数,繁体笔画数,五行属性) values " + values);
    }
    for (int n = 1; n <= 200; ++n) {
        exec_sql("insert into LM_八一灵动数 (Id,吉凶) values (" + std::to_string(n) + ",\"" +
                 number_verdict(n) + "\")");
    }
    int pattern_id = 0;
    for (int h = 0; h < 5; ++h) {
        for (int p = 0; p < 5; ++p) {
            for (int e = 0; e < 5; ++e) {
                exec_sql("insert into LM_三才配置 (Id,三才,吉凶) values (" +
                         std::to_string(++pattern_id) + ",\"" + kElementsUtf8[h] + kElementsUtf8[p] +
                         kElementsUtf8[e] + "\",\"" + pattern_verdict(h, p, e) + "\")");
            }
        }
    }
    exec_sql("commit");
}

}  // namespace langyue::test
