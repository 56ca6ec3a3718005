// ChineseCalendar: the Chinese-calendar component the eight-character chart rests on. For a
// civil date-time in China Standard Time (UTC+8) it gives the four pillars (年柱 月柱 日柱
// 时柱), the names of the sexagenary cycle and the lunar date. Texts are GBK.
//
// Supported range: 1901-02-19 00:00 to 2048-12-31 23:59:59. The solar terms and new moons
// come from astronomical_tables.h; the lunar months follow the rules of the 1645 reform as
// used today: the month holding the winter solstice is the 11th, and in a year of 13 months
// between two 11th months the first month without a major term is the leap month.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace langyue {

// A civil date-time in China Standard Time. Not checked on construction: see is_valid.
struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateTime&) const = default;
};

// Whether the date exists in the Gregorian calendar (2月30日 does not) and the clock reads
// 0:00:00 to 23:59:59.
bool is_valid(const DateTime& moment);

// Reads the four decimal texts of the date combo boxes (year, month, day, hour) into a
// date-time with minutes and seconds zero. Nothing when a text is not a plain decimal number
// or the date does not exist.
std::optional<DateTime> moment_from_texts(std::string_view year, std::string_view month,
                                          std::string_view day, std::string_view hour);

// The four pillars, each a stem and a branch (two GBK characters), or four empty texts.
struct FourPillars {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;

    bool operator==(const FourPillars&) const = default;
};

// The pillars of a date-time. Nothing for a date-time that is not valid or lies before 1901;
// four empty texts for the rest of the unsupported range (1901-01-01 to 1901-02-18, and
// after 2048).
//   year: 1901 is 辛丑, one place a year, changing at the moment of 立春;
//   month: the branch of the last sectional term begun (小寒 丑 … 大雪 子), the stems running
//          on without a break (the 寅 month of a 甲 or 己 year is 丙寅);
//   day: 1901-01-01 is 己卯, and from 23:00 a date-time has the next day's pillar;
//   hour: 23 and 0 are 子, 1-2 丑 … 21-22 亥; the 子 hour of a 甲 or 己 day is 甲子.
// A term has begun when its moment, to the second, is not later than the date-time.
std::optional<FourPillars> four_pillars(const DateTime& moment);

// The n-th pair of the sexagenary cycle: stem (n-1) mod 10, branch (n-1) mod 12, so 1 is 甲子,
// 38 辛丑, 60 癸亥. Empty text outside 1..60.
std::string cycle_name(int n);

// The position 1..60 of a two-character pillar in the cycle; 0 when it is none.
int cycle_position(std::string_view pillar);

// A day of the lunar calendar.
struct LunarDate {
    int month = 0;  // 1 正月 … 11 冬月, 12 腊月
    bool leap = false;
    int day = 0;  // 1 … 30

    bool operator==(const LunarDate&) const = default;
};

// The lunar date of the civil date of a date-time (the lunar day does not change at 23:00).
// Nothing outside the supported range or for a date-time that is not valid.
std::optional<LunarDate> lunar_date(const DateTime& moment);

// The pattern with "%Y" replaced by the year pillar of four_pillars, "%M" by the lunar
// month's name (正月 … 十月, 冬月, 腊月, with 闰 before a leap month) and "%D" by the lunar
// day's name (初一 … 初十, 十一 … 二十, 廿一 … 廿九, 三十); the rest is copied unchanged.
// Empty text when the date-time has no lunar date. The pattern is GBK.
std::string lunar_date_text(const DateTime& moment, std::string_view pattern);

// The moment of solar term `index` of a Gregorian year (0 小寒, 1 大寒, 2 立春 … 23 冬至),
// to the second; years 1900 to 2050.
std::optional<DateTime> solar_term_moment(int year, int index);

// The first day of the lunar year (正月初一) that begins in a Gregorian year, 1901 to 2049.
std::optional<DateTime> lunar_new_year(int year);

}  // namespace langyue
