// Exporting and importing whole case libraries of 10,000, 100,000 and
// 1,000,000 cases (built in a temporary folder, removed afterwards): the
// copies the File menu's "导出历史记录" and "导入历史记录" make, with the page
// cache warm.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "bench/sample_store.h"
#include "cases/MDataBase.h"

namespace {

namespace fs = std::filesystem;

using samplestore::Root;
using samplestore::StoreOf;

void BM_ExportLibrary(benchmark::State& state) {
    MDataBase store;
    store.Open(StoreOf(static_cast<int>(state.range(0))), 0, MDataBase::Access::ReadOnly);
    const std::string target = Root() + "export/";
    for (auto _ : state) {
        if (store.ExportTo(target).status != TransferStatus::Done) state.SkipWithError("export failed");
        state.PauseTiming();
        fs::remove_all(target);
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ExportLibrary)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_ImportLibrary(benchmark::State& state) {
    const std::string source = StoreOf(static_cast<int>(state.range(0))) + "dat/bazi0.dat";
    const std::string program = Root() + "import/";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(program);
        MDataBase store;
        store.Open(program, 0);
        state.ResumeTiming();
        if (store.ImportFrom(source).status != TransferStatus::Done) state.SkipWithError("import failed");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ImportLibrary)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Root() = fs::temp_directory_path().string() + "/marivo_bench_transfer_" + std::to_string(getpid()) + "/";
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(Root());
    return 0;
}
