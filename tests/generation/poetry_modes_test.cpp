#include "generation/poetry_modes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "generation/gb2312_filter.h"
#include "generation/pools.h"
#include "tests/generation/run_helpers.h"
#include "tests/generation/synthetic_database.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

using test::given_names;
using test::inputs_for;

const char* const kDefaultCombinationText = "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇";

std::vector<std::string> utf8_characters(const std::vector<std::string>& gbk_characters) {
    std::vector<std::string> result;
    for (const std::string& c : gbk_characters) result.push_back(gbk_to_utf8(c));
    return result;
}

TEST(Gb2312Filter, KeepsOnlyChineseCharactersOfTheGb2312Block) {
    const struct {
        const char* text;
        const char* kept;
    } cases[] = {
        {"圣 诚a1，杰", "圣诚杰"},       // blanks, a letter, a digit, a full-width comma
        {"Ａ１（泽）。", "泽"},          // full-width letters, digits and brackets
        {"丂鹤們", "鹤"},                // GBK extensions (first byte below B0) go
        {"齄龍", "齄"},                  // F7FE is the block's last character, FD88 lies past it
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gbk_to_utf8(gb2312_hanzi_filter(gbk(c.text))), c.kept) << c.text;
    }
    // A lead byte at the end has no second byte and is dropped.
    EXPECT_EQ(gb2312_hanzi_filter(gbk("泽") + "\xB0"), gbk("泽"));
}

TEST(CharacterModePools, PoetryTakesEachTickedCharacterOnceAndTheSurnameLast) {
    const std::vector<std::string> ticked = {gbk("明"), gbk("月"), gbk("明"), gbk("光")};
    EXPECT_EQ(utf8_characters(poetry_pool(ticked, gbk("李"))),
              (std::vector<std::string>{"明", "月", "光", "李"}));
    // A surname already among the ticked characters is not appended again.
    EXPECT_EQ(utf8_characters(poetry_pool(ticked, gbk("月"))),
              (std::vector<std::string>{"明", "月", "光"}));
    EXPECT_EQ(utf8_characters(poetry_pool({}, gbk("欧阳"))),
              (std::vector<std::string>{"欧", "阳"}));
}

TEST(CharacterModePools, CombinationFiltersTheTextAndKeepsRepeats) {
    EXPECT_EQ(utf8_characters(combination_pool(gbk("泽 a 2，泽轩"), gbk("李"))),
              (std::vector<std::string>{"泽", "泽", "轩", "李"}));
    EXPECT_EQ(utf8_characters(combination_pool(gbk("abc"), gbk("李"))),
              (std::vector<std::string>{"李"}));
}

TEST(CharacterModePools, NicknamePoolIsBothSexPoolsThenTheSurname) {
    const size_t both = pool_entries(Pool::kBoysCharacters).size() +
                        pool_entries(Pool::kGirlsCharacters).size();
    EXPECT_EQ(both, 2827u);
    const std::vector<std::string> with_surname = nickname_pool(gbk("欧阳"));
    ASSERT_EQ(with_surname.size(), both + 2);
    EXPECT_EQ(gbk_to_utf8(with_surname[both] + with_surname[both + 1]), "欧阳");
    EXPECT_EQ(with_surname.front(), pool_entries(Pool::kBoysCharacters).front());
    EXPECT_EQ(with_surname[pool_entries(Pool::kBoysCharacters).size()],
              pool_entries(Pool::kGirlsCharacters).front());
}

TEST(CharacterModePools, NicknamePatterns) {
    const std::vector<std::string> pool = {gbk("乐"), gbk("宝"), gbk("豆")};
    const std::vector<char> usable = {1, 0, 1};
    const struct {
        NicknameStyle style;
        std::vector<std::string> names;
    } cases[] = {
        {NicknameStyle::kDoubled, {"乐乐", "豆豆"}},
        {NicknameStyle::kXiaoBefore, {"小乐", "小豆"}},
        {NicknameStyle::kErAfter, {"乐儿", "豆儿"}},
        {NicknameStyle::kABefore, {"阿乐", "阿豆"}},
    };
    for (const auto& c : cases) {
        const CandidateList list = build_nickname_candidates(pool, usable, c.style);
        std::vector<std::string> names;
        for (size_t i = 0; i < list.size(); ++i) names.push_back(gbk_to_utf8(list.text(i)));
        EXPECT_EQ(names, c.names);
    }
}

// Every number reads 吉 and every pattern 吉, so every candidate scores alike; the default
// combination characters and 李 are given rows where the pools lack them.
class CharacterModes : public testing::Test {
protected:
    void SetUp() override {
        std::vector<std::tuple<std::string, int, int>> extra;
        const auto& pool = pool_entries(Pool::kNicknameCharacters);
        int strokes = 5;
        const std::string wanted = std::string(kDefaultCombinationText) + "李小";
        for (const std::string& c : split_characters(gbk(wanted))) {
            if (std::find(pool.begin(), pool.end(), c) == pool.end()) {
                extra.emplace_back(gbk_to_utf8(c), strokes++, 1);
            }
        }
        test::open_synthetic_database([](int) { return "吉"; },
                                      [](int, int, int) { return "吉"; }, extra);
    }
};

TEST_F(CharacterModes, CombinationOfTheDefaultTextListsFourHundredNamesWithoutTheSurname) {
    GenerationInputs inputs = inputs_for(GenerationMode::kCombination, "李", "男", 2);
    inputs.combination_text = gbk(kDefaultCombinationText);
    RecordingSink sink;
    test::run_to_end(inputs, sink);

    const auto& rows = sink.rows(ResultList::kCombination);
    ASSERT_EQ(rows.size(), 400u);  // 21 x 21 pairs less the 41 holding 李
    for (const std::string& name : given_names(rows, 2)) {
        EXPECT_EQ(name.find("李"), std::string::npos) << name;
    }
    const auto log = test::log_without_fills(sink);
    EXPECT_NE(std::find(log.begin(), log.end(), "insert 3 442"), log.end());
    EXPECT_TRUE(sink.messages().empty());
    // The waiting window closes before the listing starts.
    const auto closed = std::find(log.begin(), log.end(), "waiting closed");
    const auto inserted = std::find(log.begin(), log.end(), "insert 3 442");
    EXPECT_LT(closed - log.begin(), inserted - log.begin());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].cells[ResultRow::kNumber], std::to_string(i + 1));
    }
}

TEST_F(CharacterModes, PoetryWithOneCharacterNamesListsEachTickedCharacterAfterTheMessage) {
    GenerationInputs inputs = inputs_for(GenerationMode::kPoetry, "李", "男", 1);
    inputs.poem_characters = {gbk("泽"), gbk("轩"), gbk("泽"), gbk("李")};
    RecordingSink sink;
    test::run_to_end(inputs, sink);

    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(gbk_to_utf8(sink.messages()[0].text), "一字名数理得分较低,所以软件自动降低评分标准!");
    std::vector<std::string> names = given_names(sink.rows(ResultList::kPoetry), 2);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"泽", "轩"}));
    EXPECT_EQ(sink.log().front(), "waiting shown");
    EXPECT_NE(std::find(sink.log().begin(), sink.log().end(), "poem names tab"), sink.log().end());
}

TEST_F(CharacterModes, NicknameDoubledListsACharacterOfBothPoolsTwice) {
    const auto& boys = pool_entries(Pool::kBoysCharacters);
    const auto& girls = pool_entries(Pool::kGirlsCharacters);
    std::string shared;
    for (const std::string& c : girls) {
        if (c != gbk("李") && std::find(boys.begin(), boys.end(), c) != boys.end()) {
            shared = c;
            break;
        }
    }
    ASSERT_FALSE(shared.empty());
    GenerationInputs inputs = inputs_for(GenerationMode::kNickname, "李", "男", 2);
    inputs.nickname_style = NicknameStyle::kDoubled;
    RecordingSink sink;
    test::run_to_end(inputs, sink);

    const std::vector<std::string> names = given_names(sink.rows(ResultList::kNickname), 2);
    const std::string doubled = gbk_to_utf8(shared + shared);
    EXPECT_EQ(std::count(names.begin(), names.end(), doubled), 2);
    EXPECT_EQ(std::count(names.begin(), names.end(), "李李"), 0);
    EXPECT_GT(names.size(), 2700u);
    // 按钮_起小名 is disabled while candidates are formed and enabled by the closing.
    const auto log = test::log_without_fills(sink);
    const std::string off =
        "enable " + std::to_string(static_cast<int>(RunControlId::kNicknameGenerate)) + " 0";
    EXPECT_NE(std::find(log.begin(), log.end(), off), log.end());
    EXPECT_TRUE(sink.enabled(RunControlId::kNicknameGenerate));
}

TEST_F(CharacterModes, NicknameXiaoWithTheSurnameXiaoListsNothing) {
    GenerationInputs inputs = inputs_for(GenerationMode::kNickname, "小", "女", 2);
    inputs.nickname_style = NicknameStyle::kXiaoBefore;
    RecordingSink sink;
    test::run_to_end(inputs, sink);
    EXPECT_TRUE(sink.rows(ResultList::kNickname).empty());
    EXPECT_FALSE(sink.waiting_open());
}

}  // namespace
}  // namespace langyue
