#include "calendar/chinese_calendar.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "calendar/astronomical_tables.h"
#include "calendar/civil_days.h"
#include "text/gbk.h"

namespace langyue {
namespace {

namespace tables = astronomical_tables;

constexpr std::int64_t kSecondsPerDay = 86400;

int floor_mod(std::int64_t value, int divisor) {
    const int rest = static_cast<int>(value % divisor);
    return rest < 0 ? rest + divisor : rest;
}

std::int64_t floor_div(std::int64_t value, std::int64_t divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

// The inverse of days_from_civil.
DateTime civil_from_days(std::int64_t days) {
    days += 719468;
    const std::int64_t era = floor_div(days, 146097);
    const int day_of_era = static_cast<int>(days - era * 146097);
    const int year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const int day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const int shifted_month = (5 * day_of_year + 2) / 153;
    DateTime date;
    date.day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
    date.month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
    date.year = static_cast<int>(year_of_era + era * 400) + (date.month <= 2 ? 1 : 0);
    return date;
}

constexpr std::int64_t kDaysTo1900 = days_from_civil(1900, 1, 1);

// Days from 1900-01-01, the epoch of the tables.
constexpr std::int64_t day_number(int year, int month, int day) {
    return days_from_civil(year, month, day) - kDaysTo1900;
}

std::int64_t seconds_of(const DateTime& moment) {
    return day_number(moment.year, moment.month, moment.day) * kSecondsPerDay + moment.hour * 3600 +
           moment.minute * 60 + moment.second;
}

DateTime moment_of(std::int64_t seconds) {
    DateTime moment = civil_from_days(floor_div(seconds, kSecondsPerDay) + kDaysTo1900);
    const int into_day = floor_mod(seconds, kSecondsPerDay);
    moment.hour = into_day / 3600;
    moment.minute = into_day / 60 % 60;
    moment.second = into_day % 60;
    return moment;
}

// The moment of term `index` of a year the table holds, in seconds from the epoch.
std::int64_t term_seconds(int year, int index) {
    return day_number(year, 1, 1) * kSecondsPerDay +
           tables::kSolarTermSeconds[year - tables::kFirstTermYear][index];
}

int days_in_month(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap_year = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap_year ? 29 : kDays[month - 1];
}

// The supported range, as day numbers: 1901-02-19 to 2048-12-31.
constexpr std::int64_t kFirstSupportedDay = day_number(1901, 2, 19);
constexpr std::int64_t kLastSupportedDay = day_number(2048, 12, 31);

struct CycleTexts {
    std::array<std::string, 10> stems;
    std::array<std::string, 12> branches;
    std::array<std::string, 61> names;  // names[n] for n = 1..60
};

const CycleTexts& cycle_texts() {
    static const CycleTexts texts = [] {
        CycleTexts t;
        const char* stems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
        const char* branches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                  "午", "未", "申", "酉", "戌", "亥"};
        for (int i = 0; i < 10; ++i) t.stems[i] = gbk(stems[i]);
        for (int i = 0; i < 12; ++i) t.branches[i] = gbk(branches[i]);
        for (int n = 1; n <= 60; ++n) t.names[n] = t.stems[(n - 1) % 10] + t.branches[(n - 1) % 12];
        return t;
    }();
    return texts;
}

// The day on which a moment falls for the making of the lunar calendar. From 1912 to 1928
// the calendar was computed for the meridian of Beijing (116°25' E, 7h45m40s ahead of UTC)
// rather than for the 120th meridian of China Standard Time; a new moon in the first 14
// minutes 20 seconds of a CST day then fell on the day before (so in 1914, 1916 and 1920).
std::int64_t calendar_day_of(std::int64_t seconds) {
    constexpr std::int64_t beijing_from = day_number(1912, 1, 1) * kSecondsPerDay;
    constexpr std::int64_t beijing_until = day_number(1929, 1, 1) * kSecondsPerDay;
    constexpr std::int64_t kBeijingBehindCst = 14 * 60 + 20;
    if (seconds >= beijing_from && seconds < beijing_until) seconds -= kBeijingBehindCst;
    return floor_div(seconds, kSecondsPerDay);
}

// One month of the lunar calendar, from its first day to the day before the next entry.
struct LunarMonth {
    std::int64_t first_day;
    int number;
    bool leap;
};

// The lunar months from the 11th month of 1900 to the 10th month of 2049, followed by an
// entry that only marks where the last of them ends.
std::vector<LunarMonth> build_lunar_months() {
    std::vector<std::int64_t> moon_days;
    for (std::size_t i = 0; i < tables::kNewMoonCount; ++i)
        moon_days.push_back(calendar_day_of(tables::kNewMoonSeconds[i]));
    std::vector<std::int64_t> major_term_days;
    for (int year = tables::kFirstTermYear; year <= tables::kLastTermYear; ++year)
        for (int index = 1; index < 24; index += 2)
            major_term_days.push_back(calendar_day_of(term_seconds(year, index)));

    // The month holding a day: the last one that begins on or before it.
    auto month_holding = [&](std::int64_t day) {
        return static_cast<std::size_t>(std::upper_bound(moon_days.begin(), moon_days.end(), day) -
                                        moon_days.begin()) -
               1;
    };
    auto has_major_term = [&](std::size_t month) {
        auto first =
            std::lower_bound(major_term_days.begin(), major_term_days.end(), moon_days[month]);
        return first != major_term_days.end() && *first < moon_days[month + 1];
    };

    std::vector<LunarMonth> months;
    std::size_t end = 0;
    // Each pass numbers the months from the one holding a winter solstice (the 11th) up to
    // the one holding the next.
    for (int year = 1900; year < 2049; ++year) {
        const std::size_t first = month_holding(calendar_day_of(term_seconds(year, 23)));
        end = month_holding(calendar_day_of(term_seconds(year + 1, 23)));
        const bool has_leap_month = end - first == 13;
        bool leap_placed = false;
        int number = 11;
        for (std::size_t month = first; month < end; ++month) {
            bool leap = false;
            if (month > first) {
                if (has_leap_month && !leap_placed && !has_major_term(month)) {
                    leap = leap_placed = true;
                } else {
                    number = number % 12 + 1;
                }
            }
            months.push_back({moon_days[month], number, leap});
        }
    }
    months.push_back({moon_days[end], 11, false});
    return months;
}

const std::vector<LunarMonth>& lunar_months() {
    static const std::vector<LunarMonth> months = build_lunar_months();
    return months;
}

std::optional<int> parse_decimal(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text[0] == '-' ||
        text[0] == '+') {
        return std::nullopt;
    }
    return value;
}

const std::string& lunar_month_name(int number) {
    static const std::array<std::string, 12> names = [] {
        const char* utf8[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                              "七月", "八月", "九月", "十月", "冬月", "腊月"};
        std::array<std::string, 12> n;
        for (int i = 0; i < 12; ++i) n[i] = gbk(utf8[i]);
        return n;
    }();
    return names[number - 1];
}

const std::string& lunar_day_name(int day) {
    static const std::array<std::string, 30> names = [] {
        const char* tens[] = {"初", "十", "廿", "三"};
        const char* units[] = {"十", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
        std::array<std::string, 30> n;
        for (int d = 1; d <= 30; ++d) {
            std::string utf8;
            if (d == 10) {
                utf8 = "初十";
            } else if (d == 20) {
                utf8 = "二十";
            } else if (d == 30) {
                utf8 = "三十";
            } else {
                utf8 = std::string(tens[d / 10]) + units[d % 10];
            }
            n[d - 1] = gbk(utf8);
        }
        return n;
    }();
    return names[day - 1];
}

}  // namespace

bool is_valid(const DateTime& m) {
    return m.year >= 1 && m.year <= 9999 && m.month >= 1 && m.month <= 12 && m.day >= 1 &&
           m.day <= days_in_month(m.year, m.month) && m.hour >= 0 && m.hour <= 23 &&
           m.minute >= 0 && m.minute <= 59 && m.second >= 0 && m.second <= 59;
}

std::optional<DateTime> moment_from_texts(std::string_view year, std::string_view month,
                                          std::string_view day, std::string_view hour) {
    const auto y = parse_decimal(year);
    const auto mo = parse_decimal(month);
    const auto d = parse_decimal(day);
    const auto h = parse_decimal(hour);
    if (!y || !mo || !d || !h) return std::nullopt;
    const DateTime moment{*y, *mo, *d, *h, 0, 0};
    if (!is_valid(moment)) return std::nullopt;
    return moment;
}

std::optional<FourPillars> four_pillars(const DateTime& moment) {
    if (!is_valid(moment) || moment.year < 1901) return std::nullopt;
    const std::int64_t today = day_number(moment.year, moment.month, moment.day);
    if (today < kFirstSupportedDay || today > kLastSupportedDay) return FourPillars{};

    const CycleTexts& texts = cycle_texts();
    const std::int64_t now = seconds_of(moment);
    const int year = moment.year;

    // Year: 1901 is 辛丑 (38); before 立春 the previous year's pillar holds.
    const int pillar_year = now >= term_seconds(year, 2) ? year : year - 1;
    const int year_position = floor_mod(37 + (pillar_year - 1901), 60) + 1;

    // Month: count the sectional terms since 1901's 小寒, whose month is 己丑 (26).
    int months_since = 12 * (year - 1902) + 11;  // before this year's 小寒: last year's 大雪
    for (int index = 22; index >= 0; index -= 2) {
        if (term_seconds(year, index) <= now) {
            months_since = 12 * (year - 1901) + index / 2;
            break;
        }
    }
    const int month_position = floor_mod(25 + months_since, 60) + 1;

    // Day: 1901-01-01 is 己卯 (16); from 23:00 the next day's pillar.
    const std::int64_t pillar_day = today + (moment.hour >= 23 ? 1 : 0);
    const int day_position = floor_mod(15 + (pillar_day - day_number(1901, 1, 1)), 60) + 1;

    // Hour: the branch by two-hour periods from 23:00; the stem of the 子 hour follows the
    // day stem (甲/己 甲, 乙/庚 丙, 丙/辛 戊, 丁/壬 庚, 戊/癸 壬) and runs on.
    const int branch = (moment.hour + 1) / 2 % 12;
    const int day_stem = (day_position - 1) % 10;
    const int hour_stem = (2 * (day_stem % 5) + branch) % 10;

    return FourPillars{texts.names[year_position], texts.names[month_position],
                       texts.names[day_position], texts.stems[hour_stem] + texts.branches[branch]};
}

std::string cycle_name(int n) {
    if (n < 1 || n > 60) return {};
    return cycle_texts().names[n];
}

int cycle_position(std::string_view pillar) {
    if (pillar.empty()) return 0;
    const CycleTexts& texts = cycle_texts();
    for (int n = 1; n <= 60; ++n)
        if (texts.names[n] == pillar) return n;
    return 0;
}

std::optional<LunarDate> lunar_date(const DateTime& moment) {
    if (!is_valid(moment)) return std::nullopt;
    const std::int64_t today = day_number(moment.year, moment.month, moment.day);
    if (today < kFirstSupportedDay || today > kLastSupportedDay) return std::nullopt;
    const auto& months = lunar_months();
    const auto next = std::upper_bound(
        months.begin(), months.end(), today,
        [](std::int64_t day, const LunarMonth& month) { return day < month.first_day; });
    const LunarMonth& month = *(next - 1);
    return LunarDate{month.number, month.leap, static_cast<int>(today - month.first_day) + 1};
}

std::string lunar_date_text(const DateTime& moment, std::string_view pattern) {
    const auto date = lunar_date(moment);
    const auto pillars = four_pillars(moment);
    if (!date || !pillars) return {};
    static const std::string leap_mark = gbk("闰");
    const std::string month_name =
        (date->leap ? leap_mark : std::string()) + lunar_month_name(date->month);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(pattern[i]);
        if (byte >= 0x81 && i + 1 < pattern.size()) {
            // A two-byte character is copied whole, so a trail byte is never read as a code.
            text += pattern.substr(i, 2);
            ++i;
        } else if (byte == '%' && i + 1 < pattern.size() &&
                   (pattern[i + 1] == 'Y' || pattern[i + 1] == 'M' || pattern[i + 1] == 'D')) {
            const char code = pattern[++i];
            text += code == 'Y'   ? pillars->year
                    : code == 'M' ? month_name
                                  : lunar_day_name(date->day);
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::optional<DateTime> solar_term_moment(int year, int index) {
    if (year < tables::kFirstTermYear || year > tables::kLastTermYear || index < 0 || index > 23)
        return std::nullopt;
    return moment_of(term_seconds(year, index));
}

std::optional<DateTime> lunar_new_year(int year) {
    if (year < 1901 || year > 2049) return std::nullopt;
    for (const LunarMonth& month : lunar_months()) {
        const DateTime first = moment_of(month.first_day * kSecondsPerDay);
        if (first.year == year && month.number == 1 && !month.leap) return first;
    }
    return std::nullopt;
}

}  // namespace langyue
