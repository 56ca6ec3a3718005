#include "generation/english_names.h"

#include <algorithm>
#include <utility>

#include "db/name_database.h"
#include "db/table_definitions.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

// Column positions of LM_EName.
enum EnglishColumn { kEIndex = 1, kEIndex2 = 2, kName = 3, kNameLength = 4, kSex = 5,
                     kCnword = 6, kMean = 9 };

}  // namespace

std::string english_initial_map(const std::string& pinyin_initial) {
    static const std::pair<const char*, const char*> kMap[] = {
        {"a", "i"}, {"c", "s"},  {"j", "g"},  {"k", "ch"}, {"o", "a"},
        {"q", "ch"}, {"x", "sh"}, {"y", "e"}, {"z", "th"}};
    for (const auto& [from, to] : kMap) {
        if (pinyin_initial == from) return to;
    }
    return pinyin_initial;
}

std::string pinyin_initial_of(const std::string& character) {
    QueryCursor row =
        name_database().query(gbk("select * from LM_CNWord where 汉字=") + "\"" + character + "\"");
    std::string initial = row.column_text(cnword::kInitial);
    std::transform(initial.begin(), initial.end(), initial.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (initial.empty()) {
        const std::vector<std::string> first = split_characters(row.column_text(cnword::kPinyin1));
        if (!first.empty()) initial = first.front();
    }
    row.finalize();
    return initial;
}

int list_english_names(const EnglishNameInputs& inputs,
                       const std::function<void(const EnglishNameRow&)>& add_row) {
    const std::vector<std::string> characters = split_characters(inputs.given_name);
    if (characters.empty()) return 0;
    const std::string initial = english_initial_map(pinyin_initial_of(characters.front()));

    int shortest = inputs.min_length;
    int longest = inputs.max_length;
    if (shortest > 0 && longest > 0 && shortest > longest) std::swap(shortest, longest);

    int number = 1;
    QueryCursor row = name_database().query("select * from LM_EName");
    if (row.is_none()) return 0;
    do {
        std::string row_initial = row.column_text(kEIndex2);
        if (row_initial.empty()) row_initial = row.column_text(kEIndex);
        if (row_initial != initial || row.column_int(kSex) != inputs.gender) continue;
        const int length = row.column_int(kNameLength);
        if ((shortest > 0 && length < shortest) || (longest > 0 && length > longest)) continue;
        add_row({number, row.column_text(kName), row.column_text(kCnword), row.column_text(kMean)});
        ++number;
    } while (row.next_row());
    row.finalize();
    return number - 1;
}

std::vector<EnglishNameRow> english_names(const EnglishNameInputs& inputs) {
    std::vector<EnglishNameRow> rows;
    list_english_names(inputs, [&rows](const EnglishNameRow& row) { rows.push_back(row); });
    return rows;
}

std::string english_list_text(const std::vector<EnglishNameRow>& rows) {
    static const std::string header = gbk("编号    英文名    中文读音    相关含义") + "\r\n";
    std::string text = header;
    for (const EnglishNameRow& row : rows) {
        text += std::to_string(row.number) + "    " + row.name + "    " + row.chinese_reading +
                "    " + row.meaning + "\r\n";
    }
    return text;
}

std::string pronunciation_page_address(const std::string& name) {
    return std::string(kEnglishDictionaryAddress) + name;
}

std::string pronunciation_link(const std::string& page) {
    static const std::string marker = "<a href=\"#\" url=\"";
    const size_t start = page.find(marker);
    if (start == std::string::npos) return {};
    const size_t from = start + marker.size();
    const size_t end = page.find(".mp3", from);
    if (end == std::string::npos) return {};
    return page.substr(from, end - from);
}

}  // namespace langyue
