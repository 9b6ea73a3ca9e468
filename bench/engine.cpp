// The chart engine: one couple computed as the main window asks for it —
// settings read, both charts, the comparison, the readings, the report with
// its style spans and the picture.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/CBaZiEx.h"
#include "engine/file_util.h"
#include "engine/gbk_codec.h"

namespace {

BirthData Person(int person, bool male, int year, int month, int day, int hour, int minute) {
    BirthData b{};
    b.person = static_cast<uint8_t>(person);
    gbk::WriteField(b.name, person == 0 ? "张三" : "李四");
    b.year = static_cast<int16_t>(year);
    b.month = static_cast<int16_t>(month);
    b.day = static_cast<int16_t>(day);
    b.hour = static_cast<int16_t>(hour);
    b.minute = static_cast<int16_t>(minute);
    b.male = male ? 1 : 0;
    b.province = 1;
    b.longitude = 116.4667f;
    b.latitude = 39.9f;
    gbk::WriteField(b.place, "北京市-北京");
    return b;
}

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
    CBaZiEx engine(folder.Path());
    BirthData a = Person(0, true, 1985, 7, 16, 10, 30);
    BirthData b = Person(1, false, 1987, 2, 4, 23, 30);
    for (auto _ : state) {
        engine.showReport = 1;
        bool ok = engine.ComputeCouple(a, b);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(engine.viewText.data());
    }
}
BENCHMARK(BM_ComputeCouple)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
