// Verdict words and how much each weighs in a score.
//
// Scores are kept in hundredths of a point: every weight × factor product is a whole number of
// hundredths (15 × 0.85 = 12.75), so the sum is exact, as the score must be.
#pragma once

#include <array>
#include <string>

namespace langyue {

// The weight of each verdict, in the fixed order heaven, person, earth, total, outer, three
// talents. They add up to 100.
inline constexpr std::array<int, 6> kGridWeights = {5, 30, 20, 20, 10, 15};

// The factor of a verdict word in hundredths: 大吉 and 吉 100, 中 85, 凶 60, 大凶 30, any other
// text (the empty one included) 0. Words are compared exactly.
int verdict_factor_hundredths(const std::string& verdict_gbk);

// The advice text (GBK) for a score in hundredths. A bound counts as reached when the score is
// at most 1e-7 below it; with exact hundredths that is reaching it.
const std::string& score_advice(int score_hundredths);

}  // namespace langyue
