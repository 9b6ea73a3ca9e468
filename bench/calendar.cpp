// The calendar: a stored-year lunar conversion with the four pillars of the
// moment, and the computed path outside the stored years.
#include <benchmark/benchmark.h>

#include "engine/calendar/CYiDate.h"
#include "engine/chart/pillars.h"

namespace {

CalDate Moment(int year, int dayOffset) {
    CalDate d = {static_cast<int16_t>(year), 1, 1, 14, 30};
    CYiDate().JulianDayToDate(CYiDate().DateToJulianDay(d) + dayOffset, d);
    return d;
}

void StoredLunarDateAndPillars(benchmark::State& state) {
    const CYiDate cal;
    int i = 0;
    for (auto _ : state) {
        CalDate d = Moment(1900 + i % 151, (i * 37) % 365), lunar;
        benchmark::DoNotOptimize(cal.SolarToLunar(d, lunar));
        benchmark::DoNotOptimize(PillarsOf(cal, d, d, false));
        ++i;
    }
}
BENCHMARK(StoredLunarDateAndPillars);

void ComputedLunarDateAndPillars(benchmark::State& state) {
    const CYiDate cal;
    int i = 0;
    for (auto _ : state) {
        CalDate d = Moment(-849 + (i * 7) % 2749, (i * 37) % 365), lunar;
        benchmark::DoNotOptimize(cal.SolarToLunar(d, lunar));
        benchmark::DoNotOptimize(PillarsOf(cal, d, d, false));
        ++i;
    }
}
BENCHMARK(ComputedLunarDateAndPillars);

}  // namespace

BENCHMARK_MAIN();
