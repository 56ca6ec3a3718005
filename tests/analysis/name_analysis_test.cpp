#include "analysis/name_analysis.h"

#include <gtest/gtest.h>

#include "analysis/report_pages.h"
#include "analysis/verdict.h"
#include "app/program_paths.h"
#include "tests/analysis/analysis_test_data.h"
#include "text/gbk.h"

namespace langyue {
namespace {

using test::add_number;

// Whether a page still holds a placeholder: a brace followed by a Chinese character (the
// style sheet's braces are followed by ASCII).
bool has_placeholder(const std::string& utf8_page) {
    for (size_t at = utf8_page.find('{'); at != std::string::npos; at = utf8_page.find('{', at + 1)) {
        if (at + 1 < utf8_page.size() && static_cast<unsigned char>(utf8_page[at + 1]) >= 0x80) {
            return true;
        }
    }
    return false;
}
using test::add_pattern;

class NameAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::open_empty_test_database();
        test::add_standard_characters();
        set_program_directory(dir.path());
    }
    // 李朗月: heaven 8, person 18, earth 15, total 22, outer 5, pattern 金金土.
    void set_li_lang_yue_verdicts(const std::vector<std::string>& six) {
        const int numbers[5] = {8, 18, 15, 22, 5};
        for (int i = 0; i < 5; ++i) add_number(numbers[i], six[static_cast<size_t>(i)]);
        add_pattern("金金土", six[5]);
    }
    std::string page() const { return gbk_to_utf8(test::read_file(dir.data_file("temp.html"))); }

    test::ScratchProgramDir dir;
    NameAnalysis analysis;
};

struct MixCase {
    std::vector<std::string> verdicts;
    float score;
    int shown;
    const char* advice_start;
};

class VerdictMix : public NameAnalysisTest, public ::testing::WithParamInterface<MixCase> {};

TEST_P(VerdictMix, WeighsToTheExactScoreAndBand) {
    set_li_lang_yue_verdicts(GetParam().verdicts);
    EXPECT_EQ(score_name(gbk("李"), gbk("朗月"), analysis), GetParam().shown);
    EXPECT_EQ(analysis.score, GetParam().score);
    EXPECT_EQ(gbk_to_utf8(analysis.advice).rfind(GetParam().advice_start, 0), 0u);
    std::vector<std::string> verdicts;
    for (const auto& v : analysis.verdicts) verdicts.push_back(gbk_to_utf8(v));
    EXPECT_EQ(verdicts, GetParam().verdicts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VerdictMix,
    ::testing::Values(
        MixCase{{"吉", "大吉", "吉", "吉", "大吉", "吉"}, 100.0f, 100, "你的名字取得非常棒"},
        MixCase{{"中", "中", "中", "中", "中", "中"}, 85.0f, 85, "你的名字取得不错"},
        MixCase{{"大吉", "凶", "中", "中", "凶", "中"}, 75.75f, 75, "你的名字可能不太理想"},
        MixCase{{"大凶", "大凶", "大凶", "大凶", "大凶", "大凶"}, 30.0f, 30, "你的名字很不好"},
        // A word outside the five (here the empty verdict of a missing row) weighs nothing.
        MixCase{{"吉", "吉", "吉", "吉", "吉", ""}, 85.0f, 85, "你的名字取得不错"},
        // 89.75 takes the 80 band and shows as 89.
        MixCase{{"中", "吉", "凶", "吉", "中", "吉"}, 89.75f, 89, "你的名字取得不错"},
        MixCase{{"吉", "吉", "吉", "吉", "吉", "中"}, 97.75f, 97, "你的名字取得非常棒"},
        MixCase{{"凶", "吉", "吉", "吉", "中", "吉"}, 96.5f, 96, "你的名字取得非常棒"},
        MixCase{{"吉", "吉", "吉", "中", "凶", "吉"}, 93.0f, 93, "你的名字取得非常棒"},
        MixCase{{"中", "吉", "中", "吉", "吉", "凶"}, 90.25f, 90, "你的名字取得非常棒"},
        MixCase{{"吉", "中", "凶", "吉", "吉", "吉"}, 87.5f, 87, "你的名字取得不错"}));

TEST(ScoreAdvice, BandBoundsAreReached) {
    EXPECT_EQ(score_advice(8975), score_advice(8000));
    EXPECT_EQ(score_advice(9000), score_advice(10000));
    EXPECT_NE(score_advice(8999), score_advice(9000));
    EXPECT_EQ(score_advice(5999), score_advice(0));
}

TEST_F(NameAnalysisTest, FillsTheRecordFromTheCharacterTable) {
    set_li_lang_yue_verdicts({"吉", "吉", "吉", "吉", "吉", "吉"});
    score_name(gbk("李"), gbk("朗月"), analysis);
    const FiveGrids& g = analysis.grids;
    EXPECT_EQ((std::vector<int>{g.heaven, g.person, g.earth, g.total, g.outer}),
              (std::vector<int>{8, 18, 15, 22, 5}));
    EXPECT_EQ(analysis.simplified_total, 21);
    EXPECT_EQ(gbk_to_utf8(analysis.element_string), "火火土");
    EXPECT_EQ(gbk_to_utf8(analysis.pattern), "金金土");
    EXPECT_EQ(gbk_to_utf8(analysis.slot_facts[kGiven1].pinyin), "lǎng");
    EXPECT_EQ(gbk_to_utf8(analysis.grid_elements[4]), "土");
    EXPECT_EQ(gbk_to_utf8(analysis.readings[0].summary), "名8(运8)");
    EXPECT_EQ(gbk_to_utf8(analysis.readings[0].explanation),
              "释8<BR>基业:业8<BR>家庭:家8<BR>健康:康8<BR>含义:义8");
    EXPECT_EQ(gbk_to_utf8(analysis.talent_reading.aspects).rfind("1、总论:面1<BR>2、性格:面2<BR>3", 0),
              0u);
}

TEST_F(NameAnalysisTest, HintBarsBecomeLineBreaks) {
    add_number(8, "吉", "甲|乙|丙");
    add_number(18, "吉", "无竖线");
    score_name(gbk("李"), gbk("朗月"), analysis);
    EXPECT_EQ(gbk_to_utf8(analysis.readings[0].hint), "甲<BR>乙<BR>丙");
    EXPECT_EQ(gbk_to_utf8(analysis.readings[1].hint), "无竖线");
}

TEST_F(NameAnalysisTest, GridAboveTheTableReadsEmpty) {
    for (int id = 1; id <= 81; ++id) add_number(id, "吉");
    EXPECT_EQ(read_number(82).verdict, "");
    EXPECT_EQ(read_number(82).hint, "");
    EXPECT_EQ(gbk_to_utf8(read_number(2).verdict), "吉");
}

TEST_F(NameAnalysisTest, SurnameYuCountsItsSimplifiedStrokesInTheFullScoreOnly) {
    score_name(gbk("于"), gbk("朗"), analysis);
    EXPECT_EQ(analysis.grids.heaven, 4);   // 3 + 1, not 8 + 1
    EXPECT_EQ(analysis.grids.person, 14);  // 3 + 11
    EXPECT_EQ(analysis.grids.total, 14);
    EXPECT_EQ(analysis.slot_facts[kSurname1].traditional_strokes, 3);

    CharacterCache cache;
    cache.add_characters({gbk("于"), gbk("朗")});
    VerdictMemo memo;
    memo.load();
    NameAnalysis record;
    rate_candidate(gbk("于"), gbk("朗"), cache, memo, record);
    EXPECT_EQ(record.grids.heaven, 9);  // the cached 8 + 1

    // A compound surname holding 于 and a given 于 are never replaced.
    score_name(gbk("欧"), gbk("于"), analysis);
    EXPECT_EQ(analysis.grids.earth, 9);
}

TEST_F(NameAnalysisTest, MissingCharacterCountsZero) {
    score_name(gbk("龘"), gbk("朗"), analysis);
    EXPECT_EQ(analysis.grids.heaven, 1);
    EXPECT_EQ(analysis.slot_facts[kSurname1].traditional_strokes, 0);
    EXPECT_EQ(analysis.slot_facts[kSurname1].pinyin, "");
    EXPECT_EQ(gbk_to_utf8(analysis.element_string), "火");
}

TEST_F(NameAnalysisTest, SecondNameKeepsNothingOfTheFirst) {
    score_name(gbk("欧阳"), gbk("朗月"), analysis);
    EXPECT_EQ(analysis.slot_facts[kSurname2].traditional_strokes, 17);
    score_name(gbk("李"), gbk("朗"), analysis);
    EXPECT_EQ(analysis.slot_facts[kSurname2].traditional_strokes, 0);
    EXPECT_EQ(analysis.slot_facts[kSurname2].traditional_form, "");
    EXPECT_EQ(analysis.slot_facts[kGiven2].simplified_strokes, 0);
    EXPECT_EQ(analysis.simplified_total, 17);
    EXPECT_EQ(page().find("陽"), std::string::npos);
    EXPECT_EQ(page().find("17"), std::string::npos);
}

TEST_F(NameAnalysisTest, RatingMatchesTheFullScoreAndLeavesNoRemains) {
    set_li_lang_yue_verdicts({"大吉", "凶", "中", "中", "凶", "中"});
    CharacterCache cache;
    cache.add_characters({gbk("李"), gbk("朗"), gbk("月")});
    VerdictMemo memo;
    memo.load();
    NameAnalysis record;
    EXPECT_EQ(rate_candidate(gbk("李"), gbk("朗月"), cache, memo, record), 75);
    EXPECT_EQ(record.simplified_total, 21);
    EXPECT_EQ(gbk_to_utf8(record.pattern), "金金土");
    // A one-character candidate after a two-character one.
    rate_candidate(gbk("李"), gbk("朗"), cache, memo, record);
    EXPECT_EQ(record.simplified_total, 17);
    EXPECT_EQ(gbk_to_utf8(record.element_string), "火火");
    // A candidate character the cache lacks counts 0: earth becomes 1.
    rate_candidate(gbk("李"), gbk("龘"), cache, memo, record);
    EXPECT_EQ(record.grids.earth, 1);
}

TEST_F(NameAnalysisTest, VerdictMemoEqualsOneQueryPerVerdict) {
    const char* words[] = {"大吉", "吉", "中", "凶", "大凶", "其他"};
    for (int id = 1; id <= 81; ++id) add_number(id, words[id % 6]);
    add_number(40, "凶");  // a second row of 40: a query finds the first
    const char* elements[] = {"金", "木", "水", "火", "土"};
    int n = 0;
    for (const char* a : elements)
        for (const char* b : elements)
            for (const char* c : elements)
                if (++n % 7) add_pattern(std::string(a) + b + c, words[n % 6]);
    VerdictMemo memo;
    memo.load();
    for (int number = 0; number <= 120; ++number) {
        EXPECT_EQ(memo.number_verdict(number), read_number(number).verdict) << number;
    }
    for (int h = 0; h < 5; ++h)
        for (int p = 0; p < 5; ++p)
            for (int e = 0; e < 5; ++e) {
                const std::string pattern = element_text(Element(h)) + element_text(Element(p)) +
                                            element_text(Element(e));
                EXPECT_EQ(memo.pattern_verdict(Element(h), Element(p), Element(e)),
                          read_three_talent(pattern).verdict);
            }
}

TEST_F(NameAnalysisTest, HeavenGridVerdictUsesTheCache) {
    add_number(1, "凶");
    add_number(9, "大吉");
    add_number(32, "吉");
    CharacterCache cache;
    cache.add_characters({gbk("于"), gbk("欧"), gbk("阳")});
    EXPECT_EQ(gbk_to_utf8(heaven_grid_verdict(gbk("于"), cache)), "大吉");  // 8 + 1
    EXPECT_EQ(gbk_to_utf8(heaven_grid_verdict(gbk("欧阳"), cache)), "吉");  // 15 + 17
    EXPECT_EQ(gbk_to_utf8(heaven_grid_verdict(gbk("李"), cache)), "凶");    // absent: 1
}

TEST_F(NameAnalysisTest, ReportShowsEveryPlaceholderFilled) {
    set_li_lang_yue_verdicts({"大吉", "凶", "中", "中", "凶", "中"});
    score_name(gbk("李"), gbk("朗月"), analysis);
    const std::string text = page();
    EXPECT_FALSE(has_placeholder(text));
    EXPECT_NE(text.find("charset=gb2312"), std::string::npos);
    EXPECT_NE(text.find("天格-&gt; 8(金)"), std::string::npos);
    EXPECT_NE(text.find("释8<BR>基业:业8"), std::string::npos);
    EXPECT_NE(text.find("（凶）"), std::string::npos);
    EXPECT_NE(text.find(">75</span> 分"), std::string::npos);
    EXPECT_NE(text.find("[ 结果来源于： 星禾宝宝取名软件 ]"), std::string::npos);
    // The surname-2 row stays, with empty cells.
    EXPECT_NE(text.find("<td class=\"char\"></td><td class=\"light\"></td>"), std::string::npos);
    // GBK bytes on disk.
    EXPECT_EQ(test::read_file(dir.data_file("temp.html")),
              utf8_to_gbk(text));
}

TEST_F(NameAnalysisTest, CharacterAndSurnamePages) {
    test::exec_sql("insert into LM_百家姓 values (1,'欧阳','起源<BR>第二行','聚','名人')");
    ASSERT_TRUE(write_character_page(gbk("朗"), 3));
    ASSERT_TRUE(write_surname_page(gbk("欧阳")));
    const std::string character = gbk_to_utf8(test::read_file(dir.data_file("temp3.html")));
    EXPECT_NE(character.find("<title>朗</title>"), std::string::npos);
    EXPECT_NE(character.find("繁体笔划：11"), std::string::npos);
    EXPECT_NE(character.find("基本朗"), std::string::npos);
    const std::string surname = gbk_to_utf8(test::read_file(dir.data_file("temp5.html")));
    EXPECT_NE(surname.find("<title>百家姓_欧阳</title>"), std::string::npos);
    EXPECT_NE(surname.find("起源<BR>第二行"), std::string::npos);
    // A surname without a row still gets a page.
    ASSERT_TRUE(write_surname_page(gbk("龘")));
    EXPECT_FALSE(has_placeholder(gbk_to_utf8(test::read_file(dir.data_file("temp5.html")))));
}

}  // namespace
}  // namespace langyue
