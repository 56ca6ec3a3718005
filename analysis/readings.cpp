#include "analysis/readings.h"

#include "analysis/verdict.h"
#include "db/name_database.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

std::string replace_all(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

QueryCursor query_number(int number) {
    static const std::string statement = gbk("select * from LM_八一灵动数 where Id=");
    return name_database().query(statement + std::to_string(number));
}

QueryCursor query_pattern(const std::string& pattern) {
    static const std::string statement = gbk("select * from LM_三才配置 where 三才=\"");
    return name_database().query(statement + pattern + "\"");
}

int pattern_index(Element heaven, Element person, Element earth) {
    if (heaven == kNoElement || person == kNoElement || earth == kNoElement) return -1;
    return heaven * 25 + person * 5 + earth;
}

}  // namespace

NumberReading read_number(int number) {
    static const std::string labels[] = {gbk("<BR>基业:"), gbk("<BR>家庭:"), gbk("<BR>健康:"),
                                         gbk("<BR>含义:")};
    QueryCursor row = query_number(number);
    NumberReading reading;
    reading.verdict = row.column_text(1);
    reading.summary = row.column_text(2) + "(" + row.column_text(4) + ")";
    reading.explanation = row.column_text(3);
    for (int i = 0; i < 4; ++i) reading.explanation += labels[i] + row.column_text(5 + i);
    reading.hint = replace_all(row.column_text(9), "|", "<BR>");
    return reading;
}

std::string three_talent_pattern(int heaven, int person, int earth) {
    return number_element(heaven % 10) + number_element(person % 10) + number_element(earth % 10);
}

ThreeTalentReading read_three_talent(const std::string& pattern) {
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> result;
        const char* names[] = {"总论", "性格", "意志", "事业", "家庭", "婚姻",
                               "子女", "社交", "精神", "财运", "健康", "老运"};
        for (int i = 0; i < 12; ++i) {
            result.push_back(gbk((i ? "<BR>" : "") + std::to_string(i + 1) + "、" + names[i] + ":"));
        }
        return result;
    }();
    QueryCursor row = query_pattern(pattern);
    ThreeTalentReading reading;
    reading.verdict = row.column_text(2);
    reading.summary = row.column_text(3);
    for (int i = 0; i < 12; ++i) reading.aspects += labels[i] + row.column_text(5 + i);
    reading.basic_fortune = row.column_text(17);
    reading.success_fortune = row.column_text(18);
    reading.relationships = row.column_text(19);
    reading.character = row.column_text(20);
    return reading;
}

void VerdictMemo::load() {
    number_verdicts_.clear();
    number_factors_.clear();
    QueryCursor numbers = name_database().query(gbk("select * from LM_八一灵动数"));
    if (!numbers.is_none() && numbers.column_text(0) != "") {
        do {
            const int id = numbers.column_int(0);
            if (id < 0 || id > 100000) continue;
            if (static_cast<size_t>(id) >= number_verdicts_.size()) {
                number_verdicts_.resize(static_cast<size_t>(id) + 1);
                number_factors_.resize(static_cast<size_t>(id) + 1, 0);
            }
            // The first row of a number is the one a query by Id would find.
            if (number_verdicts_[static_cast<size_t>(id)].empty()) {
                number_verdicts_[static_cast<size_t>(id)] = numbers.column_text(1);
                number_factors_[static_cast<size_t>(id)] =
                    verdict_factor_hundredths(number_verdicts_[static_cast<size_t>(id)]);
            }
        } while (numbers.next_row());
    }
    pattern_verdicts_.fill({});
    pattern_factors_.fill(0);
    std::array<bool, 125> seen{};
    QueryCursor patterns = name_database().query(gbk("select * from LM_三才配置"));
    if (!patterns.is_none() && patterns.column_text(1) != "") {
        do {
            const std::string pattern = patterns.column_text(1);
            if (pattern.size() != 6) continue;
            const int index = pattern_index(element_from_text(pattern.substr(0, 2)),
                                            element_from_text(pattern.substr(2, 2)),
                                            element_from_text(pattern.substr(4, 2)));
            if (index < 0 || seen[static_cast<size_t>(index)]) continue;
            seen[static_cast<size_t>(index)] = true;
            pattern_verdicts_[static_cast<size_t>(index)] = patterns.column_text(2);
            pattern_factors_[static_cast<size_t>(index)] =
                verdict_factor_hundredths(pattern_verdicts_[static_cast<size_t>(index)]);
        } while (patterns.next_row());
    }
}

const std::string& VerdictMemo::number_verdict(int number) const {
    static const std::string none;
    if (number < 0 || static_cast<size_t>(number) >= number_verdicts_.size()) return none;
    return number_verdicts_[static_cast<size_t>(number)];
}

const std::string& VerdictMemo::pattern_verdict(Element heaven, Element person,
                                                Element earth) const {
    static const std::string none;
    const int index = pattern_index(heaven, person, earth);
    return index < 0 ? none : pattern_verdicts_[static_cast<size_t>(index)];
}

int VerdictMemo::number_factor(int number) const {
    if (number < 0 || static_cast<size_t>(number) >= number_factors_.size()) return 0;
    return number_factors_[static_cast<size_t>(number)];
}

int VerdictMemo::pattern_factor(Element heaven, Element person, Element earth) const {
    const int index = pattern_index(heaven, person, earth);
    return index < 0 ? 0 : pattern_factors_[static_cast<size_t>(index)];
}

std::string heaven_grid_verdict(const std::string& surname, const CharacterCache& cache) {
    const std::vector<std::string> characters = split_characters(surname);
    if (characters.empty()) return read_number(1).verdict;
    const auto strokes = [&cache](const std::string& character) {
        const CharacterCacheEntry* entry = cache.find(character);
        return entry ? entry->traditional_strokes : 0;
    };
    const int first = strokes(characters[0]);
    const int heaven = characters.size() == 1 ? first + 1 : first + strokes(characters[1]);
    return read_number(heaven).verdict;
}

}  // namespace langyue
