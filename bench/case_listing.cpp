// Listing the case library as the command line does: every live case, and a
// search with its cases read, over stores of 10,000, 100,000 and 1,000,000
// cases built in a temporary folder (removed afterwards). The figure of a
// whole `marivo-cli cases list` comes from a timed run over a store left by
//   bench_case_listing --make-store FOLDER CASES
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "bench/sample_store.h"
#include "cases/MDataBase.h"
#include "cases/case_listing.h"
#include "engine/base/gbk_codec.h"

namespace {

namespace fs = std::filesystem;

using samplestore::Root;
using samplestore::StoreOf;

void ListAndCount(benchmark::State& state, const SearchCriteria& criteria) {
    MDataBase store;
    store.Open(StoreOf(static_cast<int>(state.range(0))), 0, MDataBase::Access::ReadOnly);
    int listed = 0;
    for (auto _ : state) {
        long long bytes = 0;
        listed = StreamCases(store, ListingScope::Matching, criteria,
                             [&](int, const CaseRecord& r) { bytes += r.a.name[0]; });
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["listed"] = listed;
    state.SetComplexityN(state.range(0));
}

void BM_ListLiveCases(benchmark::State& state) { ListAndCount(state, SearchCriteria{}); }
BENCHMARK(BM_ListLiveCases)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_FindAndListSurname(benchmark::State& state) {
    SearchCriteria c;
    gbk::WriteField(c.name, "张");
    c.nameMode = 1;
    ListAndCount(state, c);
}
BENCHMARK(BM_FindAndListSurname)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--make-store") {
        samplestore::BuildStore(fs::path(argv[2]).string() + "/", std::atoi(argv[3]));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    Root() = fs::temp_directory_path().string() + "/marivo_bench_listing_" + std::to_string(getpid()) + "/";
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(Root());
    return 0;
}
