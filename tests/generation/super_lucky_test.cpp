#include "generation/super_lucky.h"

#include <gtest/gtest.h>

#include <map>

#include "analysis/character_facts.h"
#include "tests/generation/run_helpers.h"
#include "tests/generation/synthetic_database.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

using Boxes = ElementBoxes;

// A pool of ten characters, two of each element (金 木 水 火 土 in turn), and one unusable.
struct SmallPool {
    std::vector<std::string> pool;
    CharacterCache cache;
    std::vector<char> usable;

    SmallPool() {
        const char* characters[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸", "子"};
        for (int i = 0; i < 11; ++i) {
            pool.push_back(gbk(characters[i]));
            CharacterCacheEntry entry;
            entry.character = pool.back();
            entry.simplified_strokes = i == 10 ? 0 : 5;
            entry.traditional_strokes = 5;
            entry.element = gbk(test::kElementsUtf8[i % 5]);
            cache.add_entry(entry);
        }
        usable = usable_characters(cache, pool.size());
    }

    // The element of each character of each candidate: "金木" etc.
    std::vector<std::string> elements_of(const CandidateList& list) const {
        std::vector<std::string> result;
        for (size_t i = 0; i < list.size(); ++i) {
            std::string elements;
            for (const std::string& c : split_characters(list.text(i))) elements += cache.find(c)->element;
            result.push_back(gbk_to_utf8(elements));
        }
        return result;
    }
};

Boxes no_masters() {
    Boxes boxes;
    boxes.master_checked.fill(false);
    for (auto& ticks : boxes.ticked) ticks.fill(false);
    return boxes;
}

TEST(SuperLuckyBoxes, CheckingAMasterDisablesAndUnchecksTheOtherPair) {
    Boxes boxes;  // the page at design: must master checked with all five ticked
    boxes.master_checked[Boxes::kMust] = false;
    click_master_box(boxes, Boxes::kMust);
    boxes.master_checked[Boxes::kSecondPlace] = true;
    click_master_box(boxes, Boxes::kSecondPlace);
    EXPECT_FALSE(boxes.master_enabled[Boxes::kMust]);
    EXPECT_FALSE(boxes.master_enabled[Boxes::kForbidden]);
    EXPECT_FALSE(boxes.master_checked[Boxes::kMust]);
    EXPECT_TRUE(boxes.ticks_enabled[Boxes::kSecondPlace]);
    EXPECT_TRUE(boxes.master_enabled[Boxes::kThirdPlace]);

    boxes.master_checked[Boxes::kThirdPlace] = true;
    click_master_box(boxes, Boxes::kThirdPlace);
    boxes.master_checked[Boxes::kSecondPlace] = false;
    click_master_box(boxes, Boxes::kSecondPlace);
    // The third-place master is still checked: the right pair stays disabled.
    EXPECT_FALSE(boxes.ticks_enabled[Boxes::kSecondPlace]);
    EXPECT_FALSE(boxes.master_enabled[Boxes::kMust]);

    boxes.master_checked[Boxes::kThirdPlace] = false;
    click_master_box(boxes, Boxes::kThirdPlace);
    EXPECT_TRUE(boxes.master_enabled[Boxes::kMust]);
    EXPECT_TRUE(boxes.master_enabled[Boxes::kForbidden]);
    EXPECT_FALSE(boxes.master_checked[Boxes::kMust]);
    // Unchecking keeps the ticks.
    EXPECT_TRUE(boxes.ticked[Boxes::kMust][0]);
}

TEST(SuperLuckyBoxes, StartRefreshOfTheDesignStateEnablesTheMustElements) {
    Boxes boxes;
    click_master_box(boxes, Boxes::kMust);
    EXPECT_TRUE(boxes.ticks_enabled[Boxes::kMust]);
    EXPECT_FALSE(boxes.ticks_enabled[Boxes::kForbidden]);
    EXPECT_FALSE(boxes.master_enabled[Boxes::kSecondPlace]);
    EXPECT_FALSE(boxes.master_enabled[Boxes::kThirdPlace]);
}

TEST(ElementFilter, ReadsTheTickedElementsInTheirOrder) {
    Boxes boxes = no_masters();
    ElementFilter filter = read_element_filter(boxes);
    EXPECT_EQ(gbk_to_utf8(filter.second_place), "金木水火土");
    EXPECT_EQ(gbk_to_utf8(filter.must), "金木水火土");
    EXPECT_EQ(filter.forbidden, "");
    boxes.master_checked[Boxes::kSecondPlace] = true;  // nothing ticked: all five
    boxes.master_checked[Boxes::kForbidden] = true;
    boxes.ticked[Boxes::kForbidden] = {false, false, false, false, false};
    boxes.ticked[Boxes::kThirdPlace] = {false, false, true, false, true};  // master unchecked
    filter = read_element_filter(boxes);
    EXPECT_EQ(gbk_to_utf8(filter.second_place), "金木水火土");
    EXPECT_EQ(gbk_to_utf8(filter.third_place), "金木水火土");
    EXPECT_EQ(filter.forbidden, "");
    boxes.master_checked[Boxes::kThirdPlace] = true;
    boxes.ticked[Boxes::kForbidden][3] = true;
    filter = read_element_filter(boxes);
    EXPECT_EQ(gbk_to_utf8(filter.third_place), "水土");
    EXPECT_EQ(gbk_to_utf8(filter.forbidden), "火");
}

TEST(SuperLuckyCandidates, DefaultPagePairsEveryUsableCharacterWithEveryOne) {
    SmallPool p;
    const CandidateList list = build_super_lucky_candidates(p.pool, p.cache, p.usable, Boxes{});
    ASSERT_EQ(list.size(), 100u);
    EXPECT_EQ(gbk_to_utf8(list.text(0)), "甲甲");
    EXPECT_EQ(gbk_to_utf8(list.text(1)), "甲乙");
    EXPECT_EQ(gbk_to_utf8(list.text(99)), "癸癸");
}

TEST(SuperLuckyCandidates, SecondPlaceWoodOnlyLeavesTheThirdPlaceFree) {
    SmallPool p;
    Boxes boxes = no_masters();
    boxes.master_checked[Boxes::kSecondPlace] = true;
    boxes.ticked[Boxes::kSecondPlace][1] = true;  // 木
    const auto elements = p.elements_of(build_super_lucky_candidates(p.pool, p.cache, p.usable, boxes));
    ASSERT_EQ(elements.size(), 20u);
    for (const std::string& e : elements) EXPECT_EQ(e.substr(0, 3), "木");
}

TEST(SuperLuckyCandidates, NoElementTickedBehavesAsAllFive) {
    SmallPool p;
    Boxes none = no_masters(), all = no_masters();
    none.master_checked[Boxes::kSecondPlace] = true;
    all.master_checked[Boxes::kSecondPlace] = true;
    all.ticked[Boxes::kSecondPlace].fill(true);
    EXPECT_EQ(p.elements_of(build_super_lucky_candidates(p.pool, p.cache, p.usable, none)),
              p.elements_of(build_super_lucky_candidates(p.pool, p.cache, p.usable, all)));
    EXPECT_EQ(build_super_lucky_candidates(p.pool, p.cache, p.usable, none).size(), 100u);
}

TEST(SuperLuckyCandidates, ForbiddenMetalKeepsMetalOutOfBothPlaces) {
    SmallPool p;
    Boxes boxes = no_masters();
    boxes.master_checked[Boxes::kForbidden] = true;
    boxes.ticked[Boxes::kForbidden][0] = true;  // 金
    const auto elements = p.elements_of(build_super_lucky_candidates(p.pool, p.cache, p.usable, boxes));
    ASSERT_EQ(elements.size(), 64u);
    for (const std::string& e : elements) EXPECT_EQ(e.find("金"), std::string::npos) << e;
}

TEST(SuperLuckyCandidates, NoMasterGivesNoCandidate) {
    SmallPool p;
    EXPECT_TRUE(build_super_lucky_candidates(p.pool, p.cache, p.usable, no_masters()).empty());
}

TEST(SuperLuckyThreshold, FollowsTheHeavenGridVerdict) {
    const std::pair<const char*, int> cases[] = {
        {"大凶", 96}, {"凶", 98}, {"中", 99}, {"吉", 100}, {"大吉", 100}, {"", 0}, {"平", 0}};
    for (const auto& [verdict, threshold] : cases) {
        EXPECT_EQ(super_lucky_threshold_for(gbk(verdict)), threshold) << verdict;
    }
}

// Surnames of the extra rows: 甲 has 5 strokes (heaven 6), 乙 has 9 (heaven 10).
class SuperLuckyRun : public testing::Test {
protected:
    void SetUp() override {
        test::open_synthetic_database(
            [](int n) {
                if (n == 6) return "吉";
                if (n == 10) return "大凶";
                return n % 7 == 0 ? "凶" : n % 11 == 0 ? "中" : "吉";
            },
            [](int h, int p, int e) { return (h + p + e) % 4 == 0 ? "中" : "吉"; },
            {{"甲", 5, 1}, {"乙", 9, 2}});
    }
};

TEST_F(SuperLuckyRun, ThresholdComesFromTheSurnamesHeavenGrid) {
    const std::pair<const char*, int> cases[] = {{"甲", 100}, {"乙", 96}};
    for (const auto& [surname, threshold] : cases) {
        RecordingSink sink;
        test::run_to_end(test::inputs_for(GenerationMode::kSuperLucky, surname, "女", 1), sink);
        const std::vector<ResultRow>& rows = sink.rows(ResultList::kSuperLucky);
        ASSERT_FALSE(rows.empty()) << surname;
        EXPECT_LE(rows.size(), static_cast<size_t>(kSuperLuckyCapacity));
        bool below_hundred = false;
        for (const ResultRow& row : rows) {
            const int score = std::stoi(row.cells[ResultRow::kScore]);
            ASSERT_GE(score, threshold) << surname;
            below_hundred |= score < 100;
            ASSERT_EQ(row.cells[ResultRow::kName].size(), 6u);  // two-character names always
        }
        EXPECT_EQ(below_hundred, threshold < 100) << surname;
        EXPECT_FALSE(sink.enabled(RunControlId::kSuperPause) == false);
        EXPECT_TRUE(sink.enabled(RunControlId::kSuperExport));
        EXPECT_TRUE(sink.enabled(RunControlId::kSuperGenerate));
    }
}

TEST_F(SuperLuckyRun, RunChangesTheWindowInOrder) {
    GenerationInputs inputs = test::inputs_for(GenerationMode::kSuperLucky, "甲", "女", 2);
    inputs.element_boxes = no_masters();
    inputs.element_boxes.master_checked[Boxes::kSecondPlace] = true;
    inputs.element_boxes.ticked[Boxes::kSecondPlace][1] = true;
    RecordingSink sink;
    test::run_to_end(inputs, sink);
    const std::vector<std::string> log = test::log_without_fills(sink);
    const std::vector<std::string> start = {"waiting shown", "enable 0 0", "enable 1 0",
                                            "enable 5 0",    "enable 6 0", "enable 7 0",
                                            "insert 1 100001", "waiting closed", "enable 6 1"};
    ASSERT_GE(log.size(), start.size());
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 9), start);
    std::map<std::string, std::string> elements;  // looked up once per character
    for (const std::string& name : test::given_names(sink.rows(ResultList::kSuperLucky), 2)) {
        // The second character of the full name carries 木 in this database.
        const std::string first = split_characters(gbk(name))[0];
        if (!elements.count(first)) elements[first] = gbk_to_utf8(look_up_character(first).element);
        ASSERT_EQ(elements[first], "木") << name;
    }
}

}  // namespace
}  // namespace langyue
