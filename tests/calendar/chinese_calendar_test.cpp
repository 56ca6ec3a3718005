// The four pillars, the cycle names and the lunar date of the calendar component.
#include "calendar/chinese_calendar.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace langyue {
namespace {

struct PillarCase {
    DateTime moment;
    const char* pillars;  // year month day hour, separated by blanks (UTF-8)
};

std::string joined(const FourPillars& p) {
    return gbk_to_utf8(p.year) + " " + gbk_to_utf8(p.month) + " " + gbk_to_utf8(p.day) + " " +
           gbk_to_utf8(p.hour);
}

TEST(FourPillars, MatchesTheCalendarRules) {
    const PillarCase cases[] = {
        // 立春 2013 is at 00:13: before it the year and month of 壬辰.
        {{2013, 2, 4, 0}, "壬辰 癸丑 辛丑 戊子"},
        {{2013, 2, 4, 1}, "癸巳 甲寅 辛丑 己丑"},
        // Hour 23 takes the next day's pillar and the 子 hour of that day.
        {{2013, 1, 1, 23}, "壬辰 壬子 戊辰 壬子"},
        // 小寒 2014 is at 18:24: at 18:00 the 子 month still holds.
        {{2014, 1, 5, 18}, "癸巳 甲子 丙子 丁酉"},
        {{2014, 1, 5, 19}, "癸巳 乙丑 丙子 戊戌"},
        {{2013, 2, 10, 12}, "癸巳 甲寅 丁未 丙午"},
        // Hour 0 is the 子 hour of the same day; hour 22 is 亥.
        {{2013, 1, 1, 0}, "壬辰 壬子 丁卯 庚子"},
        {{2013, 1, 1, 22}, "壬辰 壬子 丁卯 辛亥"},
        {{2013, 1, 2, 0}, "壬辰 壬子 戊辰 壬子"},
        // The day before 立春 and the day after it.
        {{2013, 2, 3, 12}, "壬辰 癸丑 庚子 壬午"},
        {{2013, 2, 5, 12}, "癸巳 甲寅 壬寅 丙午"},
        // The first supported day and the last.
        {{1901, 2, 19, 0}, "辛丑 庚寅 戊辰 壬子"},
        {{2048, 12, 31, 23}, "戊辰 甲子 丙子 戊子"},
    };
    for (const PillarCase& c : cases) {
        const auto pillars = four_pillars(c.moment);
        ASSERT_TRUE(pillars) << c.pillars;
        EXPECT_EQ(joined(*pillars), c.pillars);
    }
}

TEST(FourPillars, FailsOutsideTheSupportedRange) {
    // A date that does not exist, and any date before 1901: nothing.
    EXPECT_FALSE(four_pillars({2013, 2, 30, 5}));
    EXPECT_FALSE(four_pillars({2013, 4, 31, 0}));
    EXPECT_FALSE(four_pillars({2013, 2, 10, 24}));
    EXPECT_FALSE(four_pillars({1900, 12, 31, 12}));
    // The rest of the unsupported range: four empty texts.
    EXPECT_EQ(four_pillars({1901, 1, 1, 0}), FourPillars{});
    EXPECT_EQ(four_pillars({1901, 2, 18, 23}), FourPillars{});
    EXPECT_EQ(four_pillars({2049, 1, 1, 0}), FourPillars{});
}

TEST(CycleName, NamesTheSixtyPairs) {
    EXPECT_EQ(gbk_to_utf8(cycle_name(1)), "甲子");
    EXPECT_EQ(gbk_to_utf8(cycle_name(38)), "辛丑");
    EXPECT_EQ(gbk_to_utf8(cycle_name(51)), "甲寅");
    EXPECT_EQ(gbk_to_utf8(cycle_name(60)), "癸亥");
    EXPECT_EQ(cycle_name(0), "");
    EXPECT_EQ(cycle_name(61), "");
    for (int n = 1; n <= 60; ++n) EXPECT_EQ(cycle_position(cycle_name(n)), n);
    EXPECT_EQ(cycle_position(""), 0);
    EXPECT_EQ(cycle_position(gbk("甲丑")), 0);
}

TEST(MomentFromTexts, ReadsPlainDecimalsOfExistingDates) {
    EXPECT_EQ(moment_from_texts("2013", "2", "10", "12"), (DateTime{2013, 2, 10, 12, 0, 0}));
    EXPECT_EQ(moment_from_texts("2012", "2", "29", "0"), (DateTime{2012, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(moment_from_texts("2013", "2", "30", "0"));
    EXPECT_FALSE(moment_from_texts("2013", "2", "", "0"));
    EXPECT_FALSE(moment_from_texts("2013", "x", "1", "0"));
    EXPECT_FALSE(moment_from_texts("2013", "-2", "1", "0"));
}

struct LunarCase {
    DateTime moment;
    const char* text;  // "%Y %M %D"
};

TEST(LunarDateText, NamesYearMonthAndDay) {
    const LunarCase cases[] = {
        {{2013, 2, 10, 12}, "癸巳 正月 初一"},
        // %Y is the year pillar, which changed at 立春 (4 February), before the new year.
        {{2013, 2, 9, 12}, "癸巳 腊月 廿九"},
        {{2013, 2, 19, 0}, "癸巳 正月 初十"},
        {{2013, 3, 1, 0}, "癸巳 正月 二十"},
        {{2013, 3, 2, 0}, "癸巳 正月 廿一"},
        {{2013, 4, 9, 0}, "癸巳 二月 廿九"},
        {{2013, 1, 12, 0}, "壬辰 腊月 初一"},
        {{2013, 1, 11, 0}, "壬辰 冬月 三十"},
        {{2013, 11, 3, 0}, "癸巳 十月 初一"},
        {{2014, 1, 30, 0}, "癸巳 腊月 三十"},
        // Leap months: 闰二月 2023, 闰六月 1987, 闰十月 1984, and 闰冬月 2033, where the
        // 13-month year runs from the 11th month of 2033 to that of 2034.
        {{2023, 3, 22, 0}, "癸卯 闰二月 初一"},
        {{2023, 4, 19, 0}, "癸卯 闰二月 廿九"},
        {{2023, 4, 20, 0}, "癸卯 三月 初一"},
        {{1987, 7, 26, 0}, "丁卯 闰六月 初一"},
        {{1984, 11, 23, 0}, "甲子 闰十月 初一"},
        {{2033, 11, 22, 0}, "癸丑 冬月 初一"},
        {{2033, 12, 22, 0}, "癸丑 闰冬月 初一"},
        {{2034, 1, 20, 0}, "癸丑 腊月 初一"},
        // 1912-1928 follow the meridian of Beijing: the new moon at 00:05 CST on 1916-02-04
        // fell on 3 February there.
        {{1916, 2, 3, 12}, "乙卯 正月 初一"},
        // The lunar day follows the civil date, also at 23:00.
        {{2013, 2, 9, 23}, "癸巳 腊月 廿九"},
    };
    for (const LunarCase& c : cases) {
        EXPECT_EQ(gbk_to_utf8(lunar_date_text(c.moment, gbk("%Y %M %D"))), c.text) << c.text;
    }
}

TEST(LunarDateText, CopiesThePatternAroundTheCodes) {
    EXPECT_EQ(gbk_to_utf8(lunar_date_text({2013, 2, 10, 12}, gbk("%Y年    %M  %D日  "))),
              "癸巳年    正月  初一日  ");
    EXPECT_EQ(gbk_to_utf8(lunar_date_text({2013, 2, 10, 12}, gbk("农历%%Y%X%"))), "农历%癸巳%X%");
    // No lunar date outside the range or for a date that does not exist.
    EXPECT_EQ(lunar_date_text({2013, 2, 30, 0}, "%Y"), "");
    EXPECT_EQ(lunar_date_text({1901, 2, 18, 0}, "%Y"), "");
    EXPECT_EQ(lunar_date_text({2049, 1, 1, 0}, "%Y"), "");
    EXPECT_TRUE(lunar_date({1901, 2, 19, 0}));
    EXPECT_TRUE(lunar_date({2048, 12, 31, 23}));
}

}  // namespace
}  // namespace langyue
