// Writing a full report as RTF and reading it back: the report view saves
// with every case and loads with every opened case. Target: a 100 KB report
// written and read back in at most 10 ms.
#include <benchmark/benchmark.h>

#include "engine/base/gbk_codec.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace {

using namespace richtext;

// A report of about gbkBytes bytes of GBK text, styled as computed reports
// are: bold blue headings, red pillar lines, smaller black and green
// readings, a first-line indent.
RichDocument Report(std::size_t gbkBytes) {
    const char* lines[] = {
        "☆胎元：壬申  命宫：甲戌  身宫：丙子  空亡：戌亥",
        "乾造  庚午  辛巳  壬子  丁未",
        "日主壬水生于巳月，火旺水弱，喜金水相生，忌火土克泄，用神取庚金印星。",
        "夫妻宫坐子水羊刃，主配偶性格刚强，宜晚婚，婚后互相体谅则家庭和睦。",
    };
    const CharFormat heading{kDefaultFontFamily, 24, kBlue, true};
    const CharFormat styles[] = {{kDefaultFontFamily, 22, kBlack}, {kDefaultFontFamily, 24, kRed},
                                 {kDefaultFontFamily, 22, kBlack}, {kDefaultFontFamily, 22, kGreen}};
    RichDocument doc;
    std::size_t size = 0;
    for (int i = 0; size < gbkBytes; ++i) {
        Paragraph& p = doc.paragraphs.emplace_back();
        p.format.firstLineIndent = 300;
        if (i % 12 == 0) AppendText(p, "甲命性格(仅供参考)：", heading);
        AppendText(p, lines[i % 4], styles[i % 4]);
        size += gbk::Width(lines[i % 4]) + 2;
    }
    return doc;
}

void WriteAndReadBack(benchmark::State& state) {
    const RichDocument report = Report(100 * 1024);
    std::size_t rtfBytes = 0;
    for (auto _ : state) {
        std::string rtf = WriteRtf(report);
        RichDocument back;
        ReadRtf(rtf, back);
        rtfBytes = rtf.size();
        benchmark::DoNotOptimize(back);
    }
    state.counters["rtf_bytes"] = static_cast<double>(rtfBytes);
}
BENCHMARK(WriteAndReadBack)->Unit(benchmark::kMillisecond);

void Write(benchmark::State& state) {
    const RichDocument report = Report(100 * 1024);
    for (auto _ : state) benchmark::DoNotOptimize(WriteRtf(report));
}
BENCHMARK(Write)->Unit(benchmark::kMillisecond);

void Read(benchmark::State& state) {
    const std::string rtf = WriteRtf(Report(100 * 1024));
    for (auto _ : state) {
        RichDocument doc;
        ReadRtf(rtf, doc);
        benchmark::DoNotOptimize(doc);
    }
}
BENCHMARK(Read)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
