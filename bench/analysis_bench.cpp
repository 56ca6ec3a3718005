// The full score of one name with its report page, and one candidate rating, on the real
// database.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "analysis/name_analysis.h"
#include "app/program_paths.h"
#include "db/load_name_database.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace {

using namespace langyue;

void load_real_database() {
    static const bool loaded = [] {
        const std::string program_dir =
            std::filesystem::path(test::real_database_file()).parent_path().parent_path();
        return load_name_database(name_database(), program_dir);
    }();
    (void)loaded;
}

void BM_ScoreNameWithReport(benchmark::State& state) {
    load_real_database();
    test::ScratchProgramDir dir(false);
    set_program_directory(dir.path());
    NameAnalysis analysis;
    const std::string surname = gbk("李"), given = gbk("朗月");
    for (auto _ : state) benchmark::DoNotOptimize(score_name(surname, given, analysis));
}
BENCHMARK(BM_ScoreNameWithReport)->Unit(benchmark::kMicrosecond);

void BM_RateCandidate(benchmark::State& state) {
    load_real_database();
    CharacterCache cache;
    cache.add_characters({gbk("李"), gbk("朗"), gbk("月")});
    VerdictMemo memo;
    memo.load();
    NameAnalysis record;
    const std::string surname = gbk("李"), given = gbk("朗月");
    for (auto _ : state) {
        benchmark::DoNotOptimize(rate_candidate(surname, given, cache, memo, record));
    }
}
BENCHMARK(BM_RateCandidate)->Unit(benchmark::kNanosecond);

// The arithmetic a run performs per candidate once the surname half is prepared.
void BM_CandidateRaterPrepared(benchmark::State& state) {
    load_real_database();
    CharacterCache cache;
    cache.add_characters({gbk("李"), gbk("朗"), gbk("月")});
    VerdictMemo memo;
    memo.load();
    const CandidateRater rater(gbk("李"), cache, memo);
    const CharacterCacheEntry* g1 = cache.find(gbk("朗"));
    const CharacterCacheEntry* g2 = cache.find(gbk("月"));
    for (auto _ : state) benchmark::DoNotOptimize(rater.rate_hundredths(g1, g2, 2));
}
BENCHMARK(BM_CandidateRaterPrepared)->Unit(benchmark::kNanosecond);

}  // namespace
