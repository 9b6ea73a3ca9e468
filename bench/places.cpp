// Reading the cities of one province from the place file, as a birth panel
// does at every province change: a hand-edited dat/dili.ini may hold tens of
// thousands of places in one province.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/base/gbk_codec.h"
#include "engine/base/ini_file.h"
#include "engine/places/place_list.h"

namespace {

IniDocument PlaceFile(int cities) {
    std::string text = "[" + std::string(places::kProvinces[0]) + "]\r\n";
    for (int i = 0; i < cities; ++i) text += "地" + std::to_string(i) + "=119:19*26:3\r\n";
    text += "[" + std::string(places::kProvinces[1]) + "]\r\n杭州市=120:10*30:16\r\n";
    return IniDocument::Parse(gbk::FromUtf8(text));
}

void BM_ReadCitiesOfOneProvince(benchmark::State& state) {
    const IniDocument file = PlaceFile(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(places::ReadCities(file, 0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadCitiesOfOneProvince)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
