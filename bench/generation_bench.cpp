// Generation runs on the real database, each beside a baseline loop that only adds
// precomputed verdict weights over the same candidates: the floor of the rating work.
//   BM_HighScoreRun      two-character boys' run of 李: 400 characters, 160,000 candidates
//   BM_SuperLuckyRun     the default boys' super-lucky run of 李: 1,854², about 3.4 million
//   BM_CharacterLookups400 the 400 character queries of the high-score run alone
//   BM_SuperLuckyListing  the super-lucky listing alone (cache and candidates made beforehand)
// The runs report into a sink that only counts, so the figures are engine time. peak_rss_mb
// is the process's peak resident memory so far.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>

#include "analysis/character_facts.h"
#include "analysis/readings.h"
#include "analysis/verdict.h"
#include "app/program_paths.h"
#include "db/load_name_database.h"
#include "generation/candidates.h"
#include "generation/fill_result_list.h"
#include "generation/generation_run.h"
#include "generation/high_score.h"
#include "generation/pools.h"
#include "generation/shuffle.h"
#include "generation/super_lucky.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {
namespace {

class CountingSink : public GenerationSink {
public:
    int filled = 0;
    void waiting_window_shown() override {}
    void waiting_window_closed() override {}
    void control_enabled(RunControlId, bool) override {}
    void page_shown(int) override {}
    void rows_inserted(ResultList, int) override {}
    void row_filled(ResultList, int, const ResultRow&) override { ++filled; }
    void rows_trimmed(ResultList, int) override {}
    void rows_sorted(ResultList) override {}
    void rows_renumbered(ResultList) override {}
    void classic_text(const std::string&) override {}
    MessageAnswer message(const Message&) override { return MessageAnswer::kOk; }
};

void load_real_database() {
    static const bool loaded = [] {
        const std::string program_dir =
            std::filesystem::path(test::real_database_file()).parent_path().parent_path();
        set_program_directory(program_dir);
        return load_name_database();
    }();
    if (!loaded) std::abort();
}

double peak_rss_mb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

GenerationInputs inputs(GenerationMode mode) {
    GenerationInputs in;
    in.mode = mode;
    in.surname = gbk("李");
    in.sex = gbk("男");
    in.given_length = 2;
    in.seed = 2024;
    return in;
}

void run(benchmark::State& state, GenerationMode mode) {
    load_real_database();
    const GenerationInputs in = inputs(mode);
    int filled = 0;
    for (auto _ : state) {
        CountingSink sink;
        RunControl control;
        generation_run(in, sink, control);
        filled = sink.filled;
    }
    state.counters["names"] = filled;
    state.counters["peak_rss_mb"] = peak_rss_mb();
}

// The baseline: every candidate a + b of the pool, grids from precomputed strokes and the sum
// of six precomputed verdict weights; no containment test, no rows.
void baseline(benchmark::State& state, const std::vector<std::string>& pool) {
    load_real_database();
    CharacterCache cache;
    cache.add_characters(pool);
    const CharacterCacheEntry* surname = nullptr;
    cache.add_characters({gbk("李")});
    surname = &cache.entries().back();
    VerdictMemo verdicts;
    verdicts.load();
    std::vector<int> weight[5];  // weight × factor of each grid number, per grid
    for (int g = 0; g < 5; ++g) {
        for (int n = 0; n < 200; ++n) weight[g].push_back(kGridWeights[g] * verdicts.number_factor(n));
    }
    std::vector<int> strokes;
    for (size_t i = 0; i < pool.size(); ++i) strokes.push_back(cache.entries()[i].traditional_strokes);
    const int s = surname->traditional_strokes;
    long listed = 0;
    for (auto _ : state) {
        listed = 0;
        for (int a : strokes) {
            for (int b : strokes) {
                const int person = s + a, earth = a + b, total = s + a + b, outer = b + 1;
                const int sum = weight[0][s + 1] + weight[1][person] + weight[2][earth] +
                                weight[3][total] + weight[4][outer] +
                                kGridWeights[5] * verdicts.pattern_factor(
                                                      number_element_of((s + 1) % 10),
                                                      number_element_of(person % 10),
                                                      number_element_of(earth % 10));
                listed += sum >= 9000;
            }
        }
        benchmark::DoNotOptimize(listed);
    }
    state.counters["candidates"] = static_cast<double>(strokes.size() * strokes.size());
    state.counters["reaching_90"] = static_cast<double>(listed);
}

void BM_HighScoreRun(benchmark::State& state) { run(state, GenerationMode::kHighScore); }
BENCHMARK(BM_HighScoreRun)->Unit(benchmark::kMillisecond);

void BM_HighScoreBaseline(benchmark::State& state) {
    baseline(state, high_score_pool(gbk("男"), 2, 2024));
}
BENCHMARK(BM_HighScoreBaseline)->Unit(benchmark::kMillisecond);

void BM_SuperLuckyRun(benchmark::State& state) { run(state, GenerationMode::kSuperLucky); }
BENCHMARK(BM_SuperLuckyRun)->Unit(benchmark::kMillisecond);

void BM_SuperLuckyBaseline(benchmark::State& state) {
    baseline(state, pool_entries(Pool::kBoysCharacters));
}
BENCHMARK(BM_SuperLuckyBaseline)->Unit(benchmark::kMillisecond);

void BM_CharacterLookups400(benchmark::State& state) {
    load_real_database();
    const auto pool = high_score_pool(gbk("男"), 2, 2024);
    for (auto _ : state) {
        CharacterCache cache;
        for (const auto& c : pool) cache.add_characters({c});
        benchmark::DoNotOptimize(cache.size());
    }
}
BENCHMARK(BM_CharacterLookups400)->Unit(benchmark::kMillisecond);

void BM_SuperLuckyListing(benchmark::State& state) {
    load_real_database();
    std::vector<std::string> pool = pool_entries(Pool::kBoysCharacters);
    shuffle_entries(pool, 2024);
    CharacterCache cache;
    cache.add_characters(pool);
    cache.add_characters({gbk("李")});
    VerdictMemo verdicts;
    verdicts.load();
    const CandidateList list = build_super_lucky_candidates(
        pool, cache, usable_characters(cache, pool.size()), ElementBoxes{});
    for (auto _ : state) {
        CountingSink sink;
        RunControl control;
        YieldPoint yield(control, sink);
        ListingPlan plan;
        plan.list = ResultList::kSuperLucky;
        plan.capacity = kSuperLuckyCapacity;
        plan.threshold = super_lucky_threshold(gbk("李"), cache);
        benchmark::DoNotOptimize(
            fill_result_list(plan, gbk("李"), list, cache, verdicts, sink, yield));
    }
    state.counters["candidates"] = static_cast<double>(list.size());
}
BENCHMARK(BM_SuperLuckyListing)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace langyue

