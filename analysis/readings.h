// Readings of grid numbers (八一灵动数) and of three-talent patterns (三才), and the verdict
// memo a generation run rates with.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/character_facts.h"
#include "analysis/element.h"

namespace langyue {

struct NumberReading {
    std::string verdict;      // 吉凶
    std::string summary;      // 解释一(解释三)
    std::string explanation;  // 解释二<BR>基业:…<BR>家庭:…<BR>健康:…<BR>含义:…
    std::string hint;         // 数理暗示 with "|" turned into "<BR>"
};

struct ThreeTalentReading {
    std::string verdict;        // 吉凶
    std::string summary;        // 解释一
    std::string aspects;        // the twelve numbered aspects
    std::string basic_fortune;  // 对基础运的影响
    std::string success_fortune;
    std::string relationships;
    std::string character;
};

// The reading of a grid number, looked up unchanged (82 is 82, not 2); a number without a row
// reads as four empty texts.
NumberReading read_number(int number);

// The pattern of three grids: the elements of the last digits of heaven, person and earth.
std::string three_talent_pattern(int heaven, int person, int earth);
// The reading of a pattern; empty texts when the table has no row for it.
ThreeTalentReading read_three_talent(const std::string& pattern);

// Verdict words only, read once for a generation run so that rating is arithmetic. Each
// answer equals one query per verdict: the first row of a number or pattern, empty when
// there is none.
class VerdictMemo {
public:
    // Reads both tables whole through the global connection.
    void load();
    // Verdict of a grid number; empty for numbers without a row.
    const std::string& number_verdict(int number) const;
    // Verdict of the pattern of three elements (heaven, person, earth).
    const std::string& pattern_verdict(Element heaven, Element person, Element earth) const;
    // The verdict factors in hundredths, for the rating's sums.
    int number_factor(int number) const;
    int pattern_factor(Element heaven, Element person, Element earth) const;

private:
    std::vector<std::string> number_verdicts_;
    std::vector<int> number_factors_;
    std::array<std::string, 125> pattern_verdicts_;
    std::array<int, 125> pattern_factors_{};
};

// The verdict of a surname's heaven grid from the run's character cache, without the rule for
// the surname 于 (the cached traditional count is used).
std::string heaven_grid_verdict(const std::string& surname, const CharacterCache& cache);

}  // namespace langyue
