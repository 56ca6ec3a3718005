// High-score mode (高分起名): a shuffled part of the pool for the baby's sex, paired into
// candidates, and up to 10,000 names of 90 or more listed best first.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "generation/candidates.h"
#include "generation/generation_inputs.h"

namespace langyue {

inline constexpr int kHighScoreCapacity = 10000;
inline constexpr size_t kHighScorePoolTwoCharacters = 400;
inline constexpr size_t kHighScorePoolOneCharacter = 1000;

// "一字名数理得分较低,所以软件自动降低评分标准!" and "设定辈份后,产生的名字较少,所以系统将显示全部
// 名字", GBK.
const std::string& one_character_message();
const std::string& generation_character_message();

// The run's CharacterPool: the sex's pool shuffled, its first 400 (two-character names) or
// 1,000 (one-character names) characters, or all of a smaller pool.
std::vector<std::string> high_score_pool(const std::string& sex, int given_length,
                                         std::optional<std::uint64_t> seed);

// The candidates over the usable characters of the pool (`usable`, same order), the pool
// being the first pieces of the result:
// - length 2, no generation character: a + b for each usable a and every pool element b;
// - length 2, second character fixed: fixed + a; third fixed: a + fixed;
// - length 1: each usable character alone (the setting is not used).
// `after_character` runs after each character of the outer loop (the run's yield point).
CandidateList build_pair_candidates(const std::vector<std::string>& pool,
                                    const std::vector<char>& usable, int given_length,
                                    const GenerationCharacterSetting& setting,
                                    const std::function<void()>& after_character = {});

// 90 for two-character names without a generation character, 0 otherwise.
int high_score_threshold(int given_length, const GenerationCharacterSetting& setting);

}  // namespace langyue
