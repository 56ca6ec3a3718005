// How long the calendar component takes for the pillars and the lunar date of a date-time.
#include <benchmark/benchmark.h>

#include "calendar/birth_chart.h"
#include "calendar/chinese_calendar.h"
#include "text/gbk.h"

namespace {

using langyue::DateTime;

// Date-times spread over the range, one a call, so that no single year stays in the cache.
DateTime moment_number(int i) { return DateTime{1901 + i % 148, 1 + i % 12, 1 + i % 28, i % 24}; }

void BM_FourPillars(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(langyue::four_pillars(moment_number(i++)));
}
BENCHMARK(BM_FourPillars);

void BM_LunarDateText(benchmark::State& state) {
    const std::string pattern = langyue::gbk("%Y年    %M  %D日  ");
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(langyue::lunar_date_text(moment_number(i++), pattern));
}
BENCHMARK(BM_LunarDateText);

void BM_ComputeBirthChart(benchmark::State& state) {
    langyue::BirthChart chart;
    for (auto _ : state)
        benchmark::DoNotOptimize(langyue::compute_birth_chart(chart, "2013", "2", "10", "12"));
}
BENCHMARK(BM_ComputeBirthChart);

}  // namespace
