// The chart engine: one couple computed as the main window asks for it —
// settings read, both charts, the comparison, the readings, the report with
// its style spans and the picture.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/base/file_util.h"
#include "tests/engine/birth_records.h"

namespace {

class ProgramFolder {
public:
    ProgramFolder() : path_(std::filesystem::temp_directory_path() / ("marivo_bench_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_ / "dat");
        fileutil::WriteAtomically((path_ / "dat/bzinit.ini").string(), "[set]\r\nidate=1\r\nbiange=1\r\n");
    }
    ~ProgramFolder() { std::filesystem::remove_all(path_); }
    std::string Path() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

void BM_ComputeCouple(benchmark::State& state) {
    ProgramFolder folder;
    CBaZiEx engine(folder.Path(), StandardReadings());
    BirthData a = WithPlace(Birth(0, true, 1985, 7, 16, 10, 30), "张三", "北京市-北京", 116.4667f, 39.9f);
    BirthData b = WithPlace(Birth(1, false, 1987, 2, 4, 23, 30), "李四", "北京市-北京", 116.4667f, 39.9f);
    for (auto _ : state) {
        engine.showReport = 1;
        bool ok = engine.ComputeCouple(a, b);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(engine.viewText.data());
    }
}
BENCHMARK(BM_ComputeCouple)->Unit(benchmark::kMicrosecond);

// The styling of that couple's report alone.
void BM_ReportStyleSpans(benchmark::State& state) {
    ProgramFolder folder;
    CBaZiEx engine(folder.Path(), StandardReadings());
    engine.showReport = 0;
    BirthData a = Birth(0, true, 1985, 7, 16, 10, 30), b = Birth(1, false, 1987, 2, 4, 23, 30);
    engine.ComputeCouple(a, b);
    for (auto _ : state) benchmark::DoNotOptimize(ReportStyleSpans(engine.report));
}
BENCHMARK(BM_ReportStyleSpans)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
