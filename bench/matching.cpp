// 择偶排行 at scale: one person ranked against a store of 100,000 cases
// (200,000 persons, about 126 MB) and, with MARIVO_BENCH_MILLION=1 in the
// environment, of 1,000,000 cases (about 1.26 GB), built in a temporary
// folder and removed afterwards. Besides the time it reports the persons
// compared per second, the speed-up over computing the full couple report
// for each pair, and the peak resident memory of the ranking.
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/store_builder.h"
#include "cases/MDataBase.h"
#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "matching/partner_ranking.h"
#include "tests/engine/birth_records.h"

namespace {

namespace fs = std::filesystem;

const char* const kSurnames[] = {"张", "王", "李", "赵", "欧阳", "陈", "刘", "杨"};
const char* const kCategories[] = {"同事", "同学", "亲戚", "临时保存", "客户"};

uint32_t Mix(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    return x ^ (x >> 16);
}

CasePerson SamplePerson(uint32_t h, bool male) {
    CasePerson p{};
    gbk::WriteField(p.name, std::string(kSurnames[h % 8]) + (male ? "先生" : "女士"));
    p.year = static_cast<int16_t>(1940 + h % 70);
    p.month = static_cast<int16_t>(1 + (h >> 8) % 12);
    p.day = static_cast<int16_t>(1 + (h >> 12) % 28);
    p.hour = static_cast<int16_t>((h >> 17) % 24);
    p.minute = static_cast<int16_t>((h >> 22) % 60);
    p.lunar = (h >> 28) % 10 == 0;  // one in ten entered as a lunar date
    p.male = male;
    p.province = 34;
    p.longitude = 120.0f;
    p.latitude = 30.0f;
    gbk::WriteField(p.place, "未知");
    return p;
}

// A couple per case, mostly the man as 甲命; one case in 33 deleted.
CaseRecord SampleCase(int32_t n) {
    CaseRecord r{};
    r.number = n;
    uint32_t h = Mix(static_cast<uint32_t>(n) * 2 + 1);
    r.deleted = h % 33 == 0;
    bool manFirst = h % 10 != 0;
    r.a = SamplePerson(Mix(h), manFirst);
    r.b = SamplePerson(Mix(h + 1), !manFirst);
    gbk::WriteField(r.category, kCategories[n % 5]);
    gbk::WriteField(r.note, "备注");
    return r;
}

struct Setup {
    std::string root;
    std::string stores[2];  // 100,000 and 1,000,000 cases
    double fullReportSeconds = 0;  // one full couple report, one thread
};

Setup& TheSetup() {
    static Setup s;
    return s;
}

BirthData Chosen() { return Named(Birth(0, true, 1985, 7, 16, 10, 30), "求偶者"); }

// The peak resident memory since the last ResetPeakMemory, in MB.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }
double PeakMemoryMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Processor time of every thread of this process.
double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The full report of a sample of pairs, one at a time as the main window
// computes them.
double FullReportSeconds(const std::string& folder) {
    CBaZiEx engine(folder, StandardReadings());
    engine.showReport = 0;
    constexpr int kPairs = 300;
    auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < kPairs; ++n) {
        BirthData a = Chosen(), b = BirthDataFrom(SampleCase(n).b, 1);
        benchmark::DoNotOptimize(engine.ComputeCouple(a, b));
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kPairs;
}

void BM_RankPartners(benchmark::State& state) {
    const std::string& folder = TheSetup().stores[state.range(0) == 1000000 ? 1 : 0];
    if (folder.empty()) {
        state.SkipWithError("store not built (set MARIVO_BENCH_MILLION=1)");
        return;
    }
    matching::RankingRequest request;
    request.programFolder = folder;
    request.person = Chosen();
    request.threads = static_cast<unsigned>(state.range(1));
    matching::RankingResult r;
    double peak = 0, seconds = 0, cpu = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        auto start = std::chrono::steady_clock::now();
        double cpuStart = ProcessCpuSeconds();
        r = matching::RankPartners(request);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        cpu += ProcessCpuSeconds() - cpuStart;
        peak = std::max(peak, PeakMemoryMb());
        benchmark::DoNotOptimize(r.ranked.data());
    }
    double perRun = seconds / static_cast<double>(state.iterations());
    state.counters["compared"] = r.compared;
    state.counters["persons_per_s"] = r.compared / perRun;
    state.counters["stored_persons_per_s"] = 2.0 * static_cast<double>(state.range(0)) / perRun;
    state.counters["speedup"] = r.compared * TheSetup().fullReportSeconds / perRun;
    state.counters["peak_MB"] = peak;
    // On a shared machine the wall time counts other programs' turns too:
    // the processor time of all threads tells what the ranking itself costs.
    state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RankPartners)
    ->ArgNames({"cases", "threads"})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Args({1000000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// One person's chart for the index alone, against the full couple report.
std::vector<BirthData> SampleBirths() {
    std::vector<BirthData> births;
    for (int n = 0; n < 1000; ++n) births.push_back(BirthDataFrom(SampleCase(n).b, 1));
    return births;
}

void BM_IndexChart(benchmark::State& state) {
    CBaZiEx engine(TheSetup().stores[0], StandardReadings());
    engine.ReadSettings();
    const std::vector<BirthData> births = SampleBirths();
    ChartData chart;
    std::size_t n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(engine.BuildIndexChart(births[n++ % births.size()], chart));
}
BENCHMARK(BM_IndexChart)->Unit(benchmark::kMicrosecond);

void BM_FullCoupleReport(benchmark::State& state) {
    CBaZiEx engine(TheSetup().stores[0], StandardReadings());
    engine.showReport = 0;
    const std::vector<BirthData> births = SampleBirths();
    std::size_t n = 0;
    for (auto _ : state) {
        BirthData a = Chosen(), b = births[n++ % births.size()];
        benchmark::DoNotOptimize(engine.ComputeCouple(a, b));
    }
}
BENCHMARK(BM_FullCoupleReport)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Setup& s = TheSetup();
    std::string temp = fs::temp_directory_path().string();
    bool million = std::getenv("MARIVO_BENCH_MILLION") != nullptr;
    if (!EnoughSpace(temp, (million ? 3ULL : 1ULL) << 30)) {
        std::fprintf(stderr, "not enough free space for the stores\n");
        return 1;
    }
    s.root = temp + "/marivo_bench_matching_" + std::to_string(getpid()) + "/";
    const int32_t sizes[2] = {100000, 1000000};
    for (int i = 0; i < (million ? 2 : 1); ++i) {
        s.stores[i] = s.root + std::to_string(sizes[i]) + "/";
        BuildStore(s.stores[i], sizes[i], SampleCase);
        // Warm the page cache once, as a program that has been searching would.
        MDataBase warm;
        warm.Open(s.stores[i], 0);
        warm.ScanStore([](int32_t, const unsigned char*) { return true; });
    }
    s.fullReportSeconds = FullReportSeconds(s.stores[0]);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(s.root);
    return 0;
}
