// The astronomical facts the Chinese calendar rests on, computed by tools/calendar_tables
// (the Sun's apparent longitude from VSOP87, the new moons from the ELP-based phase series,
// Delta T from the Espenak-Meeus polynomials) and committed as tables.
#pragma once

#include <cstddef>
#include <cstdint>

namespace langyue::astronomical_tables {

inline constexpr int kFirstTermYear = 1900;
inline constexpr int kLastTermYear = 2050;
inline constexpr int kTermYearCount = kLastTermYear - kFirstTermYear + 1;

// kSolarTermSeconds[year - kFirstTermYear][i]: seconds from 1 January 00:00 China Standard
// Time of that year to its solar term i, in calendar order: 0 小寒, 1 大寒, 2 立春, 3 雨水 …
// 22 大雪, 23 冬至. Even indices are the sectional terms (节), odd ones the major terms (中气).
extern const std::int32_t kSolarTermSeconds[kTermYearCount][24];

// The moments of new moon from November 1900 to February 2050, ascending, in seconds from
// 1900-01-01 00:00 China Standard Time.
extern const std::int64_t kNewMoonSeconds[];
extern const std::size_t kNewMoonCount;

}  // namespace langyue::astronomical_tables
