// The chart text, the nayin table, the missing elements and the zodiac advice.
#include "calendar/birth_chart.h"

#include <gtest/gtest.h>

#include "calendar/five_elements.h"
#include "calendar/nayin_table.h"
#include "calendar/zodiac_advice.h"
#include "text/gbk.h"

namespace langyue {
namespace {

std::string utf8(const std::string& gbk_text) { return gbk_to_utf8(gbk_text); }

const char* const kSnakeAdvice =
    "生肖属相：蛇。\r\n\r\n蛇年出生的人取名偏旁部首：\r\n\r\n"
    "宜：艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅等部首为吉。\r\n\r\n"
    "忌：小、石、刀、血、弓、火、人、犭、父、纟等部首。 ";

TEST(BirthChart, ChartsTheSpringFestivalOf2013) {
    BirthChart chart;
    const ChartTexts texts = compute_birth_chart(chart, "2013", "2", "10", "12");
    EXPECT_EQ(utf8(texts.chart),
              std::string("公历日期：2013年2月10日12时\r\n\r\n"
                          "农历日期：癸巳年    正月  初一日  丙午时\r\n\r\n"
                          "八字四柱：癸巳年  甲寅月  丁未日  丙午时\r\n\r\n"
                          "八字五行：水,火,木,木,火,土,火,火, ( 五行缺：金 ) \r\n\r\n"
                          "五行纳音：长流水  大溪水  天河水  天河水\r\n\r\n") +
                  kSnakeAdvice);
    EXPECT_EQ(utf8(texts.five_elements), "水,火,木,木,火,土,火,火,");
    EXPECT_EQ(utf8(texts.missing_elements), "金");
    EXPECT_EQ(utf8(chart.pillars_text()), "癸巳年  甲寅月  丁未日  丙午时");
    EXPECT_EQ(chart.moment, (DateTime{2013, 2, 10, 12, 0, 0}));
}

TEST(BirthChart, DateThatDoesNotExistKeepsThePreviousPillars) {
    BirthChart chart;
    // At the first query there are no pillars yet.
    ChartTexts texts = compute_birth_chart(chart, "2013", "2", "30", "5");
    EXPECT_EQ(utf8(texts.chart),
              "公历日期：2013年2月30日5时\r\n\r\n"
              "农历日期：\r\n\r\n"
              "八字四柱：年  月  日  时\r\n\r\n"
              "八字五行： ( 五行缺：金木水火土 ) \r\n\r\n"
              "五行纳音：      \r\n\r\n");
    EXPECT_EQ(utf8(texts.missing_elements), "金木水火土");

    compute_birth_chart(chart, "2013", "2", "10", "12");
    texts = compute_birth_chart(chart, "2013", "2", "30", "5");
    EXPECT_FALSE(chart.moment);
    EXPECT_EQ(utf8(chart.pillars_text()), "癸巳年  甲寅月  丁未日  丙午时");
    EXPECT_EQ(utf8(texts.chart),
              std::string("公历日期：2013年2月30日5时\r\n\r\n"
                          "农历日期：\r\n\r\n"
                          "八字四柱：癸巳年  甲寅月  丁未日  丙午时\r\n\r\n"
                          "八字五行：水,火,木,木,火,土,火,火, ( 五行缺：金 ) \r\n\r\n"
                          "五行纳音：长流水  大溪水  天河水  天河水\r\n\r\n") +
                  kSnakeAdvice);
}

TEST(BirthChart, ZodiacFollowsTheYearPillarAcrossStartOfSpring) {
    BirthChart chart;
    const std::string before = utf8(compute_birth_chart(chart, "2013", "2", "3", "12").chart);
    EXPECT_NE(before.find("八字四柱：壬辰年"), std::string::npos);
    EXPECT_NE(before.find("生肖属相：龙。"), std::string::npos);
    const std::string after = utf8(compute_birth_chart(chart, "2013", "2", "5", "12").chart);
    EXPECT_NE(after.find("八字四柱：癸巳年"), std::string::npos);
    EXPECT_NE(after.find("生肖属相：蛇。"), std::string::npos);
}

TEST(NayinTable, GivesElementPairAndNayinOfEachPosition) {
    struct Case {
        const char* pillar;
        const char* elements;
        const char* nayin;
    };
    const Case cases[] = {
        {"甲子", "木,水,", "海中金"}, {"乙丑", "木,土,", "海中金"}, {"丁卯", "火,木,", "炉中火"},
        {"甲戌", "木,土,", "山头火"}, {"乙亥", "木,水,", "山头火"}, {"癸巳", "水,火,", "长流水"},
        {"甲寅", "木,木,", "大溪水"}, {"丙午", "火,火,", "天河水"}, {"丁未", "火,土,", "天河水"},
        {"辛丑", "金,土,", "壁上土"}, {"庚申", "金,金,", "石榴木"}, {"癸亥", "水,水,", "大海水"},
    };
    for (const Case& c : cases) {
        const NayinEntry* entry = nayin_entry(cycle_position(gbk(c.pillar)));
        ASSERT_NE(entry, nullptr) << c.pillar;
        EXPECT_EQ(utf8(entry->element_pair), c.elements) << c.pillar;
        EXPECT_EQ(utf8(entry->nayin), c.nayin) << c.pillar;
    }
    EXPECT_EQ(nayin_entry(0), nullptr);
    EXPECT_EQ(nayin_entry(61), nullptr);
}

TEST(FindMissingElements, ListsTheAbsentElementsInFixedOrder) {
    struct Case {
        const char* elements;
        const char* missing;
        const char* text;
    };
    const Case cases[] = {
        {"水,火,木,木,火,土,火,火,", "金", "五行缺：金"},
        {"水,火,木,木,金,土,土,土,", "", "五行不缺"},
        // However the elements stand in the chart, the answer is in the order 金木水火土.
        {"水,水,火,火,土,土,土,土,", "金木", "五行缺：金木"},
        {"火,土,木,木,火,土,火,土,", "金水", "五行缺：金水"},
        {"土,土,土,土,土,土,土,土,", "金木水火", "五行缺：金木水火"},
        {"", "金木水火土", "五行缺：金木水火土"},
    };
    for (const Case& c : cases) {
        const MissingElements result = find_missing_elements(gbk(c.elements));
        EXPECT_EQ(utf8(result.missing), c.missing) << c.elements;
        EXPECT_EQ(utf8(result.text), c.text) << c.elements;
    }
}

TEST(ZodiacAdvice, HasTheTwelveTexts) {
    struct Case {
        const char* animal;
        const char* favourable;
        const char* unfavourable;
        const char* end;
    };
    const Case cases[] = {
        {"鼠", "宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅",
         "山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车", "。"},
        {"牛", "水、艹、豆、米、金、玉、宀、人、木、氵、钅",
         "月、火、田、车、马、石、血、纟、刀、几", "。"},
        {"虎", "山、玉、金、木、示、水、月、犭、马、氵、钅",
         "日、火、田、口、几、纟、石、刀、血、弓、父、足", "。"},
        {"兔", "月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅",
         "马、车、石、刀、力、皮、水、川", "。"},
        {"龙", "水、金、玉、白、赤、月、鱼、酉、人、氵、钅",
         "土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火", "。"},
        {"蛇", "艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅",
         "小、石、刀、血、弓、火、人、犭、父、纟", "。 "},
        {"马", "艹、金、玉、木、禾、虫、米、人、月、土、才、钅",
         "田、日、火、水、车、石、力、刀、酉、马", "。 "},
        {"羊", "金、白、玉、月、田、豆、米、马、禾、木、人、艹、鱼",
         "小、犭、纟、车、山、水、日、火", "。"},
        {"猴", "木、禾、金、玉、豆、米、田、山、月、水、人、氵",
         "火、石、口、冖、纟、刀、力、皮、犭", "。"},
        {"鸡", "米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅",
         "石、犭、刀、力、日、酉、血、弓、才、乡、车、马", "。"},
        {"狗", "鱼、豆、米、宀、马、金、玉、艹、田、木、月、禾、水、人、氵、钅",
         "火、石、纟、山、才、日、酉、车、刀、父、言", "。"},
        {"猪", "豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵",
         "纟、石、刀、力、血、弓、几、皮、父", "。"},
    };
    for (int branch = 1; branch <= 12; ++branch) {
        const Case& c = cases[branch - 1];
        const std::string animal = c.animal;
        EXPECT_EQ(utf8(zodiac_advice(branch)), "生肖属相：" + animal + "。\r\n\r\n" + animal +
                                                   "年出生的人取名偏旁部首：\r\n\r\n宜：" +
                                                   c.favourable + "等部首为吉。\r\n\r\n忌：" +
                                                   c.unfavourable + "等部首" + c.end);
    }
    EXPECT_EQ(
        utf8(zodiac_advice(1)),
        "生肖属相：鼠。\r\n\r\n鼠年出生的人取名偏旁部首：\r\n\r\n宜：宀、米、豆、鱼、艹、金、"
        "玉、人、木、月、田、钅等部首为吉。\r\n\r\n忌：山、刀、力、弓、土、穴、心、石、皮、氵、"
        "马、酉、才、火、车等部首。");
    EXPECT_EQ(zodiac_advice(0), "");
    EXPECT_EQ(zodiac_advice(13), "");
}

TEST(ZodiacAdvice, FollowsTheBranchOfTheYearPillar) {
    struct Case {
        const char* pillar;
        int branch;
    };
    const Case cases[] = {{"甲子", 1}, {"丙子", 1}, {"癸亥", 12}, {"癸巳", 6}, {"壬辰", 5}};
    for (const Case& c : cases) {
        std::string text = gbk("五行纳音：\r\n\r\n");
        append_zodiac_advice(text, gbk(c.pillar));
        EXPECT_EQ(text, gbk("五行纳音：\r\n\r\n") + zodiac_advice(c.branch)) << c.pillar;
    }
    std::string text = "x";
    append_zodiac_advice(text, "");
    EXPECT_EQ(text, "x");
}

}  // namespace
}  // namespace langyue
