// How long the start-up copy of data/namedata.db into memory takes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/program_paths.h"
#include "db/load_name_database.h"
#include "tests/test_support.h"

namespace {

void BM_LoadRealDatabase(benchmark::State& state) {
    // build/data/namedata.db: the program directory is the build folder.
    const std::string program_dir =
        std::filesystem::path(langyue::test::real_database_file()).parent_path().parent_path();
    for (auto _ : state) {
        langyue::NameDatabase database;
        benchmark::DoNotOptimize(langyue::load_name_database(database, program_dir));
    }
}
BENCHMARK(BM_LoadRealDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
