#include "generation/high_score.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/name_analysis.h"
#include "generation/pools.h"
#include "tests/generation/run_helpers.h"
#include "tests/generation/synthetic_database.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

using test::given_names;
using test::inputs_for;

// Numbers divisible by 7 read 凶, by 11 大凶, the rest 吉; patterns whose element indexes add
// up to a multiple of 4 read 中: scores spread between about 60 and 100.
class HighScore : public testing::Test {
protected:
    void SetUp() override {
        test::open_synthetic_database(
            [](int n) { return n % 7 == 0 ? "凶" : n % 11 == 0 ? "大凶" : "吉"; },
            [](int h, int p, int e) { return (h + p + e) % 4 == 0 ? "中" : "吉"; }, {},
            {"湛", "子"});
    }
};

// A seed whose 400-character pool holds every character of the surname, the first one among
// the first ten, so that candidates holding the surname come up before the list is full.
std::uint64_t seed_with(const std::string& surname_utf8) {
    const std::vector<std::string> characters = split_characters(gbk(surname_utf8));
    for (std::uint64_t seed = 1;; ++seed) {
        const auto pool = high_score_pool(gbk("男"), 2, seed);
        bool all = std::find(pool.begin(), pool.begin() + 10, characters[0]) != pool.begin() + 10;
        for (const std::string& c : characters) {
            all &= std::find(pool.begin(), pool.end(), c) != pool.end();
        }
        if (all) return seed;
    }
}
std::uint64_t seed_with_li() { return seed_with("李"); }

class TwoCharacterRun : public HighScore, public testing::WithParamInterface<const char*> {};

TEST_P(TwoCharacterRun, ListsTheFirstTenThousandOfNinetyOrMoreBestFirst) {
    const std::uint64_t seed = seed_with(GetParam());
    RecordingSink sink;
    test::run_to_end(inputs_for(GenerationMode::kHighScore, GetParam(), "男", 2, seed), sink);

    // The same candidates rated one by one with rate_candidate, in building order.
    const std::string surname = gbk(GetParam());
    const size_t surname_bytes = surname.size();
    const std::vector<std::string> pool = high_score_pool(gbk("男"), 2, seed);
    CharacterCache cache;
    cache.add_characters(pool);
    cache.add_characters(split_characters(surname));
    VerdictMemo verdicts;
    verdicts.load();
    std::vector<std::pair<int, std::string>> expected;  // score, given name
    size_t skipped_for_surname = 0;
    NameAnalysis record;
    for (size_t a = 0; a < pool.size() && expected.size() < 10000; ++a) {
        const CharacterCacheEntry& entry = cache.entries()[a];
        if (entry.element.empty() || entry.simplified_strokes == 0) continue;
        for (size_t b = 0; b < pool.size() && expected.size() < 10000; ++b) {
            const std::string given = pool[a] + pool[b];
            if (text_contains(given, surname)) {
                ++skipped_for_surname;
                continue;
            }
            const int score = rate_candidate(surname, given, cache, verdicts, record);
            if (score >= 90) expected.emplace_back(score, gbk_to_utf8(given));
        }
    }
    ASSERT_EQ(expected.size(), 10000u);
    ASSERT_GT(skipped_for_surname, 0u);
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& x, const auto& y) { return x.first > y.first; });

    const std::vector<ResultRow>& rows = sink.rows(ResultList::kHighScore);
    ASSERT_EQ(rows.size(), 10000u);
    std::vector<std::string> expected_names;
    for (const auto& [score, name] : expected) expected_names.push_back(name);
    EXPECT_EQ(given_names(rows, surname_bytes), expected_names);
    for (size_t i = 0; i < rows.size(); ++i) {
        // Every column as the row of rate_candidate's record would read.
        const std::string given = gbk(expected_names[i]);
        const int score = rate_candidate(surname, given, cache, verdicts, record);
        ASSERT_EQ(rows[i].cells, make_result_row(static_cast<int>(i + 1), surname, given, record,
                                                 score).cells)
            << i;
        ASSERT_FALSE(text_contains(given, surname));
    }
    EXPECT_TRUE(sink.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Surnames, TwoCharacterRun, testing::Values("李", "欧阳"));

TEST_F(HighScore, RunChangesTheWindowInOrder) {
    RecordingSink sink;
    test::run_to_end(inputs_for(GenerationMode::kHighScore, "李", "男", 2), sink);
    const std::vector<std::string> expected = {
        "waiting shown", "enable 0 0", "enable 1 0", "enable 2 0", "enable 3 0", "enable 4 0",
        "page 1", "insert 0 10001", "waiting closed", "enable 2 1", "trim 0 10000", "sort 0",
        "renumber 0", "enable 3 1", "enable 0 1", "enable 1 1", "enable 8 1", "enable 4 1"};
    EXPECT_EQ(test::log_without_fills(sink), expected);
    EXPECT_FALSE(sink.waiting_open());
}

struct FixedCase {
    GenerationCharacterSetting::State state;
    const char* character;
};

class FixedCharacter : public HighScore, public testing::WithParamInterface<FixedCase> {};

TEST_P(FixedCharacter, EveryNameHoldsItInItsPlaceAndAnyScoreIsListed) {
    GenerationInputs inputs = inputs_for(GenerationMode::kHighScore, "李", "男", 2, seed_with_li());
    inputs.generation_character.state = GetParam().state;
    (GetParam().state == GenerationCharacterSetting::State::kSecondFixed
         ? inputs.generation_character.second_character
         : inputs.generation_character.third_character) = gbk(GetParam().character);
    RecordingSink sink;
    test::run_to_end(inputs, sink);

    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(sink.messages()[0].text, generation_character_message());
    EXPECT_EQ(sink.messages()[0].icon, MessageIcon::kWarning);
    const std::vector<std::string> pool = high_score_pool(gbk("男"), 2, seed_with_li());
    const size_t unusable = static_cast<size_t>(
        std::count_if(pool.begin(), pool.end(), [](const std::string& c) {
            return c == gbk("湛") || c == gbk("子") || c == gbk("李");
        }));
    const std::vector<ResultRow>& rows = sink.rows(ResultList::kHighScore);
    EXPECT_EQ(rows.size(), pool.size() - unusable);
    bool below_ninety = false;
    for (const std::string& name : given_names(rows, 2)) {
        const std::string fixed = GetParam().character;
        if (GetParam().state == GenerationCharacterSetting::State::kSecondFixed) {
            ASSERT_EQ(name.substr(0, fixed.size()), fixed);
        } else {
            ASSERT_EQ(name.substr(name.size() - fixed.size()), fixed);
        }
        ASSERT_EQ(split_characters(gbk(name)).size(), 2u);
    }
    for (const ResultRow& row : rows) below_ninety |= std::stoi(row.cells[ResultRow::kScore]) < 90;
    EXPECT_TRUE(below_ninety);
}

INSTANTIATE_TEST_SUITE_P(
    SecondAndThird, FixedCharacter,
    testing::Values(FixedCase{GenerationCharacterSetting::State::kSecondFixed, "朗"},
                    FixedCase{GenerationCharacterSetting::State::kThirdFixed, "月"}));

TEST_F(HighScore, OneCharacterNamesLowerTheThresholdAndIgnoreTheGenerationCharacter) {
    for (const char* sex : {"男", "女"}) {
        GenerationInputs inputs = inputs_for(GenerationMode::kHighScore, "李", sex, 1);
        inputs.generation_character.state = GenerationCharacterSetting::State::kSecondFixed;
        inputs.generation_character.second_character = gbk("朗");
        RecordingSink sink;
        test::run_to_end(inputs, sink);

        ASSERT_EQ(sink.messages().size(), 1u) << sex;
        EXPECT_EQ(sink.messages()[0].text, one_character_message());
        EXPECT_EQ(sink.messages()[0].icon, MessageIcon::kInformation);
        // The message comes before the first lookup, that is before any row.
        const auto& log = sink.log();
        EXPECT_LT(std::find(log.begin(), log.end(), "message"),
                  std::find(log.begin(), log.end(), "insert 0 1001"));

        const std::vector<std::string> pool = high_score_pool(gbk(sex), 1, 7);
        EXPECT_EQ(pool.size(), std::string(sex) == "男" ? 1000u : 973u);
        size_t expected = 0;
        for (const std::string& c : pool) {
            expected += c != gbk("湛") && c != gbk("子") && c != gbk("李");
        }
        const std::vector<ResultRow>& rows = sink.rows(ResultList::kHighScore);
        EXPECT_EQ(rows.size(), expected) << sex;
        for (const std::string& name : given_names(rows, 2)) {
            ASSERT_EQ(gbk(name).size(), 2u);
            ASSERT_NE(name, "湛");
        }
    }
}

TEST_F(HighScore, ShuffleDependsOnTheSeedAndAnotherSexGivesNothing) {
    EXPECT_NE(high_score_pool(gbk("男"), 2, 1), high_score_pool(gbk("男"), 2, 2));
    EXPECT_EQ(high_score_pool(gbk("男"), 2, 1), high_score_pool(gbk("男"), 2, 1));
    RecordingSink sink;
    test::run_to_end(inputs_for(GenerationMode::kHighScore, "李", "X", 2), sink);
    EXPECT_TRUE(sink.rows(ResultList::kHighScore).empty());
    EXPECT_FALSE(sink.waiting_open());
}

TEST(HighScoreThreshold, IsNinetyOnlyForTwoCharactersWithoutGenerationCharacter) {
    GenerationCharacterSetting off, second;
    second.state = GenerationCharacterSetting::State::kSecondFixed;
    second.second_character = gbk("朗");
    EXPECT_EQ(high_score_threshold(2, off), 90);
    EXPECT_EQ(high_score_threshold(2, second), 0);
    EXPECT_EQ(high_score_threshold(1, off), 0);
    EXPECT_EQ(high_score_threshold(1, second), 0);
}

}  // namespace
}  // namespace langyue
