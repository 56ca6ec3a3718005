// Day numbers of the proleptic Gregorian calendar, shared by the calendar and the generator of
// its tables.
#pragma once

#include <cstdint>

namespace langyue {

// Days from 1970-01-01 to a date (era arithmetic: a 400-year era has 146097 days; years are
// counted from March so that the leap day comes last).
constexpr std::int64_t days_from_civil(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int year_of_era = y - era * 400;
    const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return static_cast<std::int64_t>(era) * 146097 + day_of_era - 719468;
}

}  // namespace langyue
