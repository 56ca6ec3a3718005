// The three page templates: every fixed text byte for byte, every placeholder present and
// replaced, the replacement order, and the blocks in their order down the page.
#include "analysis/report_pages.h"

#include <gtest/gtest.h>

#include <functional>

#include "analysis/name_analysis.h"
#include "tests/analysis/analysis_test_data.h"
#include "text/gbk.h"

namespace langyue {
namespace {

// An analysis whose every value is a marker of its own, so the page shows which placeholder
// took which value. Markers are ASCII, the same bytes in GBK.
NameAnalysis marker_analysis() {
    NameAnalysis a;
    a.surname_characters = {gbk("甲"), gbk("乙")};
    a.given_characters = {gbk("丙"), gbk("丁")};
    const char* letters[] = {"A", "B", "C", "D"};
    for (size_t i = 0; i < 4; ++i) {
        SlotFacts& slot = a.slot_facts[i];
        slot.simplified_strokes = 9001 + static_cast<int>(i);
        slot.traditional_strokes = 9011 + static_cast<int>(i);
        slot.element = std::string("el") + letters[i];
        slot.pinyin = std::string("py") + letters[i];
        slot.traditional_form = std::string("tf") + letters[i];
    }
    a.grids = {9101, 9102, 9103, 9104, 9105};  // heaven, person, earth, total, outer
    a.grid_elements = {"geH", "geP", "geE", "geT", "geO"};
    for (size_t i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        a.readings[i] = {"vd" + n, "su" + n, "ex" + n, "hi" + n};
    }
    a.pattern = "patX";
    a.talent_reading = {"tvd", "tsu", "tas", "tba", "tsc", "tre", "tch"};
    a.advice = "adv";
    a.score = 63.75f;
    return a;
}

// Whether the fragments occur in this order (each after the end of the one before); the
// message names the first one missing.
::testing::AssertionResult in_order(const std::string& page,
                                    const std::vector<std::string>& fragments) {
    size_t from = 0;
    for (const std::string& fragment : fragments) {
        const size_t at = page.find(fragment, from);
        if (at == std::string::npos) {
            return ::testing::AssertionFailure()
                   << "\"" << fragment << "\" not found after byte " << from;
        }
        from = at + fragment.size();
    }
    return ::testing::AssertionSuccess();
}

std::string report(const NameAnalysis& analysis) { return gbk_to_utf8(fill_name_report(analysis)); }

const char* const kNote =
    "说明：五格剖象法所用字的笔划以《康熙字典》为准,不能按简体字的笔画数去计算。特别注意的是,"
    "如果名字分数低或评价为凶,一旦使用,能冲破命象则能异于常人、大富大贵、高高在上,如冲不破,"
    "则可能一生坎坷,能冲破的人毕竟是少数,这就是为什么个别“名人”的名字测下来分数反而很低的原因,"
    "他们靠后天的不断努力及机遇压制了命理的限制.而分数高,命理好,则能少走很多弯路,更容易成功。"
    "本方法测命理只供参考,切勿影响生活!";

TEST(NameReportPage, HeadCharacterTableAndGridLines) {
    const std::string page = report(marker_analysis());
    EXPECT_TRUE(in_order(page, {"charset=gb2312", "<title>名字评分</title>"}));
    EXPECT_TRUE(in_order(page, {"繁体", "拼音", "简体笔划", "康熙笔划", "字意五行"}));
    // One row per slot: character, traditional form, pinyin, simplified and Kangxi strokes,
    // element.
    EXPECT_TRUE(in_order(page, {"甲", "tfA", "pyA", "9001", "9011", "elA",  //
                                "乙", "tfB", "pyB", "9002", "9012", "elB",  //
                                "丙", "tfC", "pyC", "9003", "9013", "elC",  //
                                "丁", "tfD", "pyD", "9004", "9014", "elD"}));
    EXPECT_TRUE(in_order(page, {"天格-&gt; 9101(geH)", "人格-&gt; 9102(geP)", "地格-&gt; 9103(geE)",
                                "外格-&gt; 9105(geO)", "总格-&gt; 9104(geT)"}));
}

TEST(NameReportPage, BlocksFollowEachOtherWithTheirFixedTexts) {
    const std::string page = report(marker_analysis());
    EXPECT_TRUE(in_order(
        page,
        {"字意五行", kNote, "[ 结果来源于： 星禾宝宝取名软件 ]",
         // The five grid sections.
         "天格9101的解析：",
         "天格数是先祖留传下来的，其数理对人影响不大。（由于姓是固定的，所以天格也是固定的，不论凶"
         "吉都无法改)",
         "su0", "（vd0）", " → 详细解释：", "ex0", "人格9102的解析：",
         "人格数又称主运，是整个姓名的中心点，影响人的一生命运。", "su1", "（vd1）",
         " → 详细解释：", "ex1", "地格9103的解析：",
         "地格数又称前运，影响人中年（36岁）以前的活动力。", "su2", "（vd2）", " → 详细解释：",
         "ex2", "总格9104的解析：", "总格又称后运，影响人中年（36岁）以后的命运。", "su3",
         "（vd3）", " → 详细解释：", "ex3", "外格9105的解析：",
         "外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。", "su4", "（vd4）",
         " → 详细解释：", "ex4",
         // Three talents.
         "对三才数理的影响：",
         "您的姓名三才配置为：patX。它具有如下数理诱导力，据此会对人生产生一定的影响。", "tsu",
         "（tvd）", " → 详细解释：", "tas",
         // Influences.
         "对基础运的影响", "tba", "对成功运的影响", "tsc", "对人际关系的影响", "tre",
         "对性格的影响", "tch",
         // Hints.
         "天格9101有以下数理暗示", "hi0", "人格9102有以下数理暗示", "hi1", "地格9103有以下数理暗示",
         "hi2", "总格9104有以下数理暗示", "hi3", "外格9105有以下数理暗示", "hi4",
         // Summary: the advice after a break and two non-breaking spaces, then the score.
         "总评及建议：", "&nbsp;&nbsp;adv", "姓名五格评分：", "63", " 分"}));
    // The source line is hidden in a 1-pixel near-white span.
    EXPECT_NE(page.find("font-size:1px; color:#f6f6f6; overflow:hidden;\">[ 结果来源于："),
              std::string::npos);
}

TEST(NameReportPage, OneCharacterPartsLeaveTheSecondRowEmpty) {
    NameAnalysis analysis = marker_analysis();
    analysis.surname_characters.pop_back();
    analysis.given_characters.pop_back();
    const std::string page = report(analysis);
    for (const char* absent : {"乙", "tfB", "pyB", "9002", "9012", "elB",  //
                               "丁", "tfD", "pyD", "9004", "9014", "elD"}) {
        EXPECT_EQ(page.find(absent), std::string::npos) << absent;
    }
    EXPECT_TRUE(in_order(page, {"甲", "tfA", "9011", "丙", "tfC", "9013"}));
    EXPECT_EQ(page.find("{"), page.find("{ margin"));  // no placeholder left, only the styles
}

// The placeholders are replaced one after another in a fixed order, so a value that holds a
// placeholder replaced later is filled in, and one that holds a placeholder replaced earlier
// stays as it is.
struct OrderCase {
    const char* name;
    std::function<void(NameAnalysis&)> set;
    const char* shown;
};

TEST(NameReportPage, PlaceholdersAreReplacedInTheirFixedOrder) {
    const OrderCase cases[] = {
        {"surname before given name",
         [](NameAnalysis& a) { a.slot_facts[0].pinyin = gbk("{简体名字1}"); }, "丙"},
        {"given name after surname",
         [](NameAnalysis& a) { a.slot_facts[2].pinyin = gbk("{简体姓氏1}"); }, "{简体姓氏1}"},
        {"person grid before heaven grid",
         [](NameAnalysis& a) { a.grid_elements[1] = gbk("{天格五行}"); }, "geH"},
        {"heaven grid after person grid",
         [](NameAnalysis& a) { a.grid_elements[0] = gbk("{人格五行}"); }, "{人格五行}"},
        {"verdicts before explanations",
         [](NameAnalysis& a) { a.readings[0].verdict = gbk("{外格释义}"); }, "ex4"},
        {"hints after verdicts", [](NameAnalysis& a) { a.readings[1].hint = gbk("{人格吉凶}"); },
         "{人格吉凶}"},
        {"grids before three talents",
         [](NameAnalysis& a) { a.readings[0].explanation = gbk("{三才}"); }, "patX"},
        {"three talents after grids",
         [](NameAnalysis& a) { a.talent_reading.summary = gbk("{天格}"); }, "{天格}"},
        {"advice before score", [](NameAnalysis& a) { a.advice = gbk("{评分总分}"); }, "&nbsp;63"},
    };
    for (const OrderCase& c : cases) {
        NameAnalysis analysis = marker_analysis();
        c.set(analysis);
        EXPECT_NE(report(analysis).find(c.shown), std::string::npos) << c.name;
    }
}

class CharacterAndSurnamePages : public ::testing::Test {
protected:
    void SetUp() override {
        test::open_empty_test_database();
        test::add_character("朗", "朗", 10, 11, "lǎng", "火");
        test::exec_sql("insert into LM_百家姓 values (1,'欧阳','源<BR>流','聚','人')");
    }
};

TEST_F(CharacterAndSurnamePages, CharacterPageShowsTheRowUnderItsLabels) {
    const std::string page = gbk_to_utf8(fill_character_page(gbk("朗")));
    EXPECT_TRUE(
        in_order(page, {"charset=gb2312", "<title>朗</title>", "#FFFFEC", "宋体", "#FF0000", "52px",
                        "朗", "拼音：", "22px", "lǎng", "简体笔划：10", "部首：部", "繁体笔划：11",
                        "<b>基本解释</b>", "基本朗", "<b>详细解释</b>", "详细朗"}));
    // A character without a row: the typed text in its places, every field empty.
    const std::string none = gbk_to_utf8(fill_character_page(gbk("龘")));
    EXPECT_TRUE(in_order(none, {"<title>龘</title>", "龘", "拼音：", "简体笔划：", "部首：",
                                "繁体笔划：", "基本解释", "详细解释"}));
    EXPECT_EQ(none.find("{"), std::string::npos);
}

TEST_F(CharacterAndSurnamePages, SurnamePageShowsTheWholeSurnameRow) {
    const std::string page = gbk_to_utf8(fill_surname_page(gbk("欧阳")));
    EXPECT_TRUE(
        in_order(page, {"charset=gb2312", "<title>百家姓_欧阳</title>", "#FFFFEC", "30px",
                        "color=\"#FF0000\" size=\"5\"><b>欧阳</b>", "<b>姓氏起源</b><br>源<BR>流",
                        "<b>分布地域</b><br>聚", "<b>历史名人</b><br>人"}));
    // The first character alone is another surname, without a row.
    const std::string first = gbk_to_utf8(fill_surname_page(gbk("欧")));
    EXPECT_TRUE(in_order(first, {"<title>百家姓_欧</title>", "姓氏起源</b><br></p>"}));
}

}  // namespace
}  // namespace langyue
