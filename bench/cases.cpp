// The case store at scale: a search over a million cases (20 full data
// files, about 1.2 GB, built in a temporary folder and removed afterwards),
// and appending a case to a small and to that large store.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/store_builder.h"
#include "bench/sample_store.h"
#include "cases/MDataBase.h"
#include "engine/base/gbk_codec.h"

namespace {

namespace fs = std::filesystem;
using samplestore::SampleCase;

constexpr int32_t kCases = 1000000;
constexpr uintmax_t kSpaceNeeded = 2ULL << 30;  // the store and some margin

struct Stores {
    std::string root;
    std::string large;  // a million cases
    std::string small;  // ten cases
};

Stores& TheStores() {
    static Stores s;
    return s;
}

void BM_FindCasesAllLive(benchmark::State& state) {
    MDataBase store;
    store.Open(TheStores().large, 0);
    std::vector<int> found;
    for (auto _ : state) {
        store.FindCases(SearchCriteria{}, found);
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["found"] = static_cast<double>(found.size());
}
BENCHMARK(BM_FindCasesAllLive)->Unit(benchmark::kMillisecond);

void BM_FindCasesEveryCondition(benchmark::State& state) {
    MDataBase store;
    store.Open(TheStores().large, 0);
    SearchCriteria c;
    gbk::WriteField(c.name, "小明");
    c.nameMode = 1;
    gbk::WriteField(c.category, "同");
    c.categoryMode = 1;
    c.sexOn = 1;
    c.sex = 1;
    c.yearsOn = 1;
    c.yearFrom = 1950;
    c.yearTo = 1990;
    c.province = 6;
    std::vector<int> found;
    for (auto _ : state) {
        store.FindCases(c, found);
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["found"] = static_cast<double>(found.size());
}
BENCHMARK(BM_FindCasesEveryCondition)->Unit(benchmark::kMillisecond);

// Appending writes and flushes the record, then the header: two writes and
// two flushes whatever the size of the store.
void BM_AddCaseAppend(benchmark::State& state) {
    MDataBase store;
    store.Open(state.range(0) == 1 ? TheStores().large : TheStores().small, 0);
    CaseRecord r = SampleCase(1);
    for (auto _ : state) benchmark::DoNotOptimize(store.AddCase(r));
    state.counters["cases"] = store.CaseCount();
}
BENCHMARK(BM_AddCaseAppend)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string temp = fs::temp_directory_path().string();
    if (!EnoughSpace(temp, kSpaceNeeded)) {
        std::fprintf(stderr, "not enough free space for a store of a million cases\n");
        return 1;
    }
    Stores& s = TheStores();
    s.root = temp + "/marivo_bench_cases_" + std::to_string(getpid()) + "/";
    s.large = s.root + "large/";
    s.small = s.root + "small/";
    BuildStore(s.large, kCases, SampleCase);
    BuildStore(s.small, 10, SampleCase);

    // Warm the page cache once, as a program that has been searching would.
    MDataBase warm;
    warm.Open(s.large, 0);
    std::vector<int> found;
    warm.FindCases(SearchCriteria{}, found);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(s.root);
    return 0;
}
