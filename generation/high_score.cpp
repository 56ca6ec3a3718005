#include "generation/high_score.h"

#include "generation/pools.h"
#include "generation/shuffle.h"
#include "text/gbk.h"

namespace langyue {

const std::string& one_character_message() {
    static const std::string text = gbk("一字名数理得分较低,所以软件自动降低评分标准!");
    return text;
}

const std::string& generation_character_message() {
    static const std::string text = gbk("设定辈份后,产生的名字较少,所以系统将显示全部名字");
    return text;
}

std::vector<std::string> high_score_pool(const std::string& sex, int given_length,
                                         std::optional<std::uint64_t> seed) {
    std::vector<std::string> pool = character_pool_for_sex(sex);
    shuffle_entries(pool, seed);
    const size_t wanted =
        given_length == 2 ? kHighScorePoolTwoCharacters : kHighScorePoolOneCharacter;
    if (pool.size() > wanted) pool.resize(wanted);
    return pool;
}

CandidateList build_pair_candidates(const std::vector<std::string>& pool,
                                    const std::vector<char>& usable, int given_length,
                                    const GenerationCharacterSetting& setting,
                                    const std::function<void()>& after_character) {
    using State = GenerationCharacterSetting::State;
    CandidateList list;
    list.pieces = pool;
    const auto count = static_cast<std::int32_t>(pool.size());
    std::int32_t fixed = -1;
    if (given_length == 2 && setting.state == State::kSecondFixed) {
        fixed = list.add_piece(setting.second_character);
    } else if (given_length == 2 && setting.state == State::kThirdFixed) {
        fixed = list.add_piece(setting.third_character);
    }
    std::int32_t whole_pool = -1;  // every element of the pool, usable or not
    if (given_length == 2 && fixed < 0) {
        std::vector<std::int32_t> all(pool.size());
        for (std::int32_t b = 0; b < count; ++b) all[static_cast<size_t>(b)] = b;
        whole_pool = list.add_second_list(std::move(all));
    }

    for (std::int32_t a = 0; a < count; ++a) {
        if (usable[static_cast<size_t>(a)]) {
            if (given_length != 2) {
                list.add(a);
            } else if (setting.state == State::kSecondFixed) {
                list.add(fixed, a);
            } else if (setting.state == State::kThirdFixed) {
                list.add(a, fixed);
            } else {
                list.add_product(a, whole_pool);
            }
        }
        if (after_character) after_character();
    }
    return list;
}

int high_score_threshold(int given_length, const GenerationCharacterSetting& setting) {
    return given_length == 2 && !setting.is_set() ? 90 : 0;
}

}  // namespace langyue
