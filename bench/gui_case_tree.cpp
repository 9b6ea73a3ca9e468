// The case tree at scale, offscreen: filling it from the first 300 record
// numbers as at start, and "显示全部命例" over stores of 10,000, 100,000 and 1,000,000 cases (search,
// reading every case, building the tree), each until the tree is painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <vector>

#include <sys/resource.h>

#include "app/main/TFrmMain.h"
#include "bench/sample_store.h"
#include "widgets/messages/scripted_messages.h"
#include "cases/MDataBase.h"
#include "engine/base/gbk_codec.h"
#include "gui_bench_main.h"

namespace {

struct Window {
    QTemporaryDir folder;
    ScriptedMessages messages;
    std::unique_ptr<TFrmMain> window;
    QTreeWidget* tree = nullptr;
    explicit Window(int32_t cases) {
        samplestore::BuildStore(folder.path().toStdString() + "/", cases);
        window = std::make_unique<TFrmMain>(folder.path().toStdString());
        window->resize(1180, 760);
        window->show();
        QApplication::processEvents();
        tree = window->findChild<QTreeWidget*>("Tree");
    }
    int Cases() const {
        int count = 0;
        for (int i = 0; i < tree->topLevelItem(0)->childCount(); ++i) count += tree->topLevelItem(0)->child(i)->childCount();
        return count;
    }
};

void BM_FillTreeAtStart(benchmark::State& state) {
    Window w(300);
    std::vector<int> numbers(300);
    std::iota(numbers.begin(), numbers.end(), 0);
    for (auto _ : state) {
        w.window->FillTree(numbers);
        w.tree->viewport()->repaint();
    }
    state.counters["cases"] = w.Cases();
}
BENCHMARK(BM_FillTreeAtStart)->Unit(benchmark::kMillisecond);

void BM_ShowAllCases(benchmark::State& state) {
    Window w(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        w.window->TmShowAllClick();
        w.tree->viewport()->repaint();
    }
    state.counters["cases"] = w.Cases();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
    if (!w.messages.shown.isEmpty()) state.SkipWithError("a message was shown");
}
// Each size in a process of its own gives its own peak (--benchmark_filter=.../100000).
BENCHMARK(BM_ShowAllCases)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
