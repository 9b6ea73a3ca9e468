// Reverse pillar search: every match of a pillar set from 850 BC to AD 2100
// (what `marivo-cli reverse … --all` prints), and one search from a start
// year as the window runs it.
#include <benchmark/benchmark.h>

#include "engine/chart/pillars.h"
#include "tools/reverse_search.h"

namespace {

// Pillar sets of moments spread over the span, half of them in the
// centuries the calendar computes.
FourPillars Wanted(int i) {
    const CYiDate cal;
    CalDate d = {static_cast<int16_t>(-849 + (i * 389) % 2950), static_cast<int16_t>(1 + i % 12), 15,
                 static_cast<int16_t>((i * 5) % 24), 30};
    return PillarsOf(cal, d, d, false);
}

void AllMatchesOfTheSpan(benchmark::State& state) {
    const CYiDate cal;
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(reverse::AllMatches(cal, Wanted(i++)));
}
BENCHMARK(AllMatchesOfTheSpan)->Unit(benchmark::kMicrosecond);

void FirstMatchFrom1950(benchmark::State& state) {
    const CYiDate cal;
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(reverse::FirstMatch(cal, Wanted(i++), 1950));
}
BENCHMARK(FirstMatchFrom1950)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
