// The chart engine: one couple computed as the main window asks for it —
// settings read, the birth times read on their birthplaces' clocks, both
// charts, the comparison, the readings, the report with its style spans and
// the picture.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/base/file_util.h"
#include "engine/zones/birth_clock.h"
#include "tests/engine/birth_records.h"

namespace {

class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& more = "")
        : path_(std::filesystem::temp_directory_path() / ("marivo_bench_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_ / "dat");
        fileutil::WriteAtomically((path_ / "dat/bzinit.ini").string(), "[set]\r\nidate=1\r\nbiange=1\r\n" + more);
    }
    ~ProgramFolder() { std::filesystem::remove_all(path_); }
    std::string Path() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

void ComputeCoupleLoop(benchmark::State& state, const std::string& settings, BirthData a, BirthData b) {
    ProgramFolder folder(settings);
    CBaZiEx engine(folder.Path(), StandardReadings());
    for (auto _ : state) {
        engine.showReport = 1;
        bool ok = engine.ComputeCouple(a, b);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(engine.viewText.data());
    }
}

// Standard-time births (the clock setting on, as by default).
void BM_ComputeCouple(benchmark::State& state) {
    ComputeCoupleLoop(state, "", WithPlace(Birth(0, true, 1985, 7, 16, 10, 30), "张三", "北京市-北京", 116.4667f, 39.9f),
                      WithPlace(Birth(1, false, 1987, 2, 4, 23, 30), "李四", "北京市-北京", 116.4667f, 39.9f));
}
BENCHMARK(BM_ComputeCouple)->Unit(benchmark::kMicrosecond);

// The same couple with the clock setting off: the times taken as standard time.
void BM_ComputeCoupleStandardClock(benchmark::State& state) {
    ComputeCoupleLoop(state, "localclock=0\r\n",
                      WithPlace(Birth(0, true, 1985, 7, 16, 10, 30), "张三", "北京市-北京", 116.4667f, 39.9f),
                      WithPlace(Birth(1, false, 1987, 2, 4, 23, 30), "李四", "北京市-北京", 116.4667f, 39.9f));
}
BENCHMARK(BM_ComputeCoupleStandardClock)->Unit(benchmark::kMicrosecond);

// Two births on summer clocks (Shanghai 1988, Hong Kong 1975): the report gets its clock lines.
void BM_ComputeCoupleSummerClocks(benchmark::State& state) {
    BirthData b = WithPlace(Birth(1, false, 1975, 7, 1, 9, 50), "港生", "香港-香港", 114.1667f, 22.3f);
    b.province = 32;
    ComputeCoupleLoop(state, "", WithPlace(Birth(0, true, 1988, 6, 20, 23, 30), "夏生", "上海市-上海", 121.4667f, 31.2333f),
                      b);
}
BENCHMARK(BM_ComputeCoupleSummerClocks)->Unit(benchmark::kMicrosecond);

// One clock time turned into standard time of 120° E (the zone already open).
void BM_ClockCorrection(benchmark::State& state) {
    BirthClock clock;
    std::string error;
    for (auto _ : state) {
        bool ok = CorrectedClock("Asia/Shanghai", {1988, 6, 20, 23, 30}, clock, error);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(clock.standard);
    }
}
BENCHMARK(BM_ClockCorrection)->Unit(benchmark::kNanosecond);

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
