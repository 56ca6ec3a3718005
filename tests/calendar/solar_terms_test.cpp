// The committed solar-term and new-moon tables against published facts: moments of solar
// terms from almanacs and observatory tables (Beijing time), and the date of the Spring
// Festival of every year of the range.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "calendar/chinese_calendar.h"

namespace langyue {
namespace {

// Seconds between two moments of one calendar (days counted through a plain day number).
std::int64_t seconds_between(const DateTime& a, const DateTime& b) {
    auto days = [](const DateTime& m) {
        // Days from a fixed epoch: March-based years make the leap day come last.
        const int y = m.month <= 2 ? m.year - 1 : m.year;
        const int shifted = m.month <= 2 ? m.month + 9 : m.month - 3;
        return static_cast<std::int64_t>(365) * y + y / 4 - y / 100 + y / 400 +
               (153 * shifted + 2) / 5 + m.day;
    };
    auto seconds = [&](const DateTime& m) {
        return days(m) * 86400 + m.hour * 3600 + m.minute * 60 + m.second;
    };
    return seconds(a) - seconds(b);
}

struct PublishedTerm {
    int index;  // 0 小寒 … 23 冬至
    DateTime moment;
};

TEST(SolarTerms, AgreeWithPublishedMomentsWithinOneMinute) {
    const PublishedTerm published[] = {
        // 立春
        {2, {1911, 2, 5, 6, 10, 16}},
        {2, {1929, 2, 4, 15, 8, 43}},
        {2, {1949, 2, 4, 11, 22, 49}},
        {2, {1968, 2, 5, 2, 7, 23}},
        {2, {1985, 2, 4, 5, 11, 47}},
        {2, {2000, 2, 4, 20, 40, 24}},
        {2, {2013, 2, 4, 0, 13, 20}},
        {2, {2024, 2, 4, 16, 26, 53}},
        {2, {2033, 2, 3, 20, 41, 8}},
        {2, {2040, 2, 4, 13, 39, 17}},
        // 春分
        {5, {1912, 3, 21, 7, 29, 19}},
        {5, {1950, 3, 21, 12, 35, 6}},
        {5, {2000, 3, 20, 15, 35, 15}},
        {5, {2020, 3, 20, 11, 49, 29}},
        {5, {2035, 3, 21, 3, 2, 12}},
        // 冬至
        {23, {2021, 12, 21, 23, 59, 9}},
        {23, {2023, 12, 22, 11, 27, 9}},
        // 小寒, and terms close to midnight, where the date depends on the last minute.
        {0, {2014, 1, 5, 18, 24, 5}},
        {1, {1979, 1, 20, 23, 59, 56}},
        {3, {1923, 2, 19, 23, 59, 40}},
        {4, {2014, 3, 6, 0, 2, 15}},
        {4, {1948, 3, 5, 23, 57, 53}},
        {1, {2012, 1, 21, 0, 9, 49}},
    };
    for (const PublishedTerm& p : published) {
        const auto computed = solar_term_moment(p.moment.year, p.index);
        ASSERT_TRUE(computed);
        EXPECT_LE(std::llabs(seconds_between(*computed, p.moment)), 60)
            << "term " << p.index << " of " << p.moment.year;
    }
}

TEST(SolarTerms, FollowEachOtherEvery14To16DaysOverTheRange) {
    for (int year = 1901; year <= 2048; ++year) {
        for (int index = 0; index < 24; ++index) {
            const DateTime term = *solar_term_moment(year, index);
            const DateTime next =
                index < 23 ? *solar_term_moment(year, index + 1) : *solar_term_moment(year + 1, 0);
            const std::int64_t gap = seconds_between(next, term);
            EXPECT_GT(gap, 14 * 86400) << year << " term " << index;
            EXPECT_LT(gap, 16 * 86400) << year << " term " << index;
            // Each term falls in its usual Gregorian month: 小寒 and 大寒 in January …
            EXPECT_EQ(term.year, year);
            EXPECT_EQ(term.month, index / 2 + 1) << year << " term " << index;
        }
        // 立春 on 3 to 5 February, 冬至 on 21 to 23 December.
        EXPECT_GE(solar_term_moment(year, 2)->day, 3);
        EXPECT_LE(solar_term_moment(year, 2)->day, 5);
        EXPECT_GE(solar_term_moment(year, 23)->day, 21);
        EXPECT_LE(solar_term_moment(year, 23)->day, 23);
    }
}

struct SpringFestival {
    int year, month, day;
};

// 正月初一 of every lunar year from 1901 to 2049.
constexpr SpringFestival kSpringFestivals[] = {
    {1901, 2, 19}, {1902, 2, 8},  {1903, 1, 29}, {1904, 2, 16}, {1905, 2, 4},  {1906, 1, 25},
    {1907, 2, 13}, {1908, 2, 2},  {1909, 1, 22}, {1910, 2, 10}, {1911, 1, 30}, {1912, 2, 18},
    {1913, 2, 6},  {1914, 1, 26}, {1915, 2, 14}, {1916, 2, 3},  {1917, 1, 23}, {1918, 2, 11},
    {1919, 2, 1},  {1920, 2, 20}, {1921, 2, 8},  {1922, 1, 28}, {1923, 2, 16}, {1924, 2, 5},
    {1925, 1, 24}, {1926, 2, 13}, {1927, 2, 2},  {1928, 1, 23}, {1929, 2, 10}, {1930, 1, 30},
    {1931, 2, 17}, {1932, 2, 6},  {1933, 1, 26}, {1934, 2, 14}, {1935, 2, 4},  {1936, 1, 24},
    {1937, 2, 11}, {1938, 1, 31}, {1939, 2, 19}, {1940, 2, 8},  {1941, 1, 27}, {1942, 2, 15},
    {1943, 2, 5},  {1944, 1, 25}, {1945, 2, 13}, {1946, 2, 2},  {1947, 1, 22}, {1948, 2, 10},
    {1949, 1, 29}, {1950, 2, 17}, {1951, 2, 6},  {1952, 1, 27}, {1953, 2, 14}, {1954, 2, 3},
    {1955, 1, 24}, {1956, 2, 12}, {1957, 1, 31}, {1958, 2, 18}, {1959, 2, 8},  {1960, 1, 28},
    {1961, 2, 15}, {1962, 2, 5},  {1963, 1, 25}, {1964, 2, 13}, {1965, 2, 2},  {1966, 1, 21},
    {1967, 2, 9},  {1968, 1, 30}, {1969, 2, 17}, {1970, 2, 6},  {1971, 1, 27}, {1972, 2, 15},
    {1973, 2, 3},  {1974, 1, 23}, {1975, 2, 11}, {1976, 1, 31}, {1977, 2, 18}, {1978, 2, 7},
    {1979, 1, 28}, {1980, 2, 16}, {1981, 2, 5},  {1982, 1, 25}, {1983, 2, 13}, {1984, 2, 2},
    {1985, 2, 20}, {1986, 2, 9},  {1987, 1, 29}, {1988, 2, 17}, {1989, 2, 6},  {1990, 1, 27},
    {1991, 2, 15}, {1992, 2, 4},  {1993, 1, 23}, {1994, 2, 10}, {1995, 1, 31}, {1996, 2, 19},
    {1997, 2, 7},  {1998, 1, 28}, {1999, 2, 16}, {2000, 2, 5},  {2001, 1, 24}, {2002, 2, 12},
    {2003, 2, 1},  {2004, 1, 22}, {2005, 2, 9},  {2006, 1, 29}, {2007, 2, 18}, {2008, 2, 7},
    {2009, 1, 26}, {2010, 2, 14}, {2011, 2, 3},  {2012, 1, 23}, {2013, 2, 10}, {2014, 1, 31},
    {2015, 2, 19}, {2016, 2, 8},  {2017, 1, 28}, {2018, 2, 16}, {2019, 2, 5},  {2020, 1, 25},
    {2021, 2, 12}, {2022, 2, 1},  {2023, 1, 22}, {2024, 2, 10}, {2025, 1, 29}, {2026, 2, 17},
    {2027, 2, 6},  {2028, 1, 26}, {2029, 2, 13}, {2030, 2, 3},  {2031, 1, 23}, {2032, 2, 11},
    {2033, 1, 31}, {2034, 2, 19}, {2035, 2, 8},  {2036, 1, 28}, {2037, 2, 15}, {2038, 2, 4},
    {2039, 1, 24}, {2040, 2, 12}, {2041, 2, 1},  {2042, 1, 22}, {2043, 2, 10}, {2044, 1, 30},
    {2045, 2, 17}, {2046, 2, 6},  {2047, 1, 26}, {2048, 2, 14}, {2049, 2, 2},
};

TEST(LunarMonths, StartEveryYearOnTheSpringFestival) {
    for (const SpringFestival& festival : kSpringFestivals) {
        const auto first = lunar_new_year(festival.year);
        ASSERT_TRUE(first) << festival.year;
        EXPECT_EQ(first->month, festival.month) << festival.year;
        EXPECT_EQ(first->day, festival.day) << festival.year;
        // The day before is the last of the 12th month (or of a leap 12th month).
        if (festival.year <= 2048) {
            const DateTime eve = festival.day > 1
                                     ? DateTime{festival.year, festival.month, festival.day - 1}
                                     : DateTime{festival.year, 1, 31};
            const auto lunar = lunar_date(eve);
            if (lunar) {
                EXPECT_EQ(lunar->month, 12) << festival.year;
                EXPECT_GE(lunar->day, 29) << festival.year;
            }
        }
    }
}

TEST(LunarMonths, HaveTwentyNineOrThirtyDaysAndTwelveOrThirteenAYear) {
    // Walk every day of the range: each month starts on 初一 and ends on 廿九 or 三十.
    int months_this_year = 0;
    int previous_day = 0;
    int leap_years = 0;
    for (int year = 1901; year <= 2048; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const auto lunar = lunar_date({year, month, day});
                if (!lunar) continue;
                if (lunar->day == 1) {
                    if (previous_day != 0) {
                        EXPECT_TRUE(previous_day == 29 || previous_day == 30)
                            << year << "-" << month << "-" << day;
                    }
                    if (lunar->month == 1 && !lunar->leap) {
                        if (months_this_year == 13) ++leap_years;
                        if (months_this_year != 0) {
                            EXPECT_TRUE(months_this_year == 12 || months_this_year == 13) << year;
                        }
                        months_this_year = 0;
                    }
                    ++months_this_year;
                } else {
                    EXPECT_EQ(lunar->day, previous_day + 1) << year << "-" << month << "-" << day;
                }
                previous_day = lunar->day;
            }
        }
    }
    // 7 leap months in 19 years: 54 or 55 in 147 whole lunar years.
    EXPECT_GE(leap_years, 53);
    EXPECT_LE(leap_years, 56);
}

}  // namespace
}  // namespace langyue
