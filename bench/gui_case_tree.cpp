// The case tree at scale, offscreen: filling it from the first 300 record
// numbers as at start, and "显示全部命例" over a store of 50,000 cases (search,
// reading every case, building the tree), each until the tree is painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <vector>

#include "app/main/TFrmMain.h"
#include "widgets/messages/scripted_messages.h"
#include "cases/MDataBase.h"
#include "engine/base/gbk_codec.h"
#include "gui_bench_main.h"

namespace {

const char* const kNames[] = {"张三", "王小明", "李丽", "欧阳锋", "陈红"};
const char* const kCategories[] = {"同事", "同学", "亲戚", "临时保存", "客户", "VIP", "vip", "朋友"};

CaseRecord SampleCase(int32_t n) {
    CaseRecord r{};
    r.number = n;
    gbk::WriteField(r.a.name, kNames[n % 5]);
    gbk::WriteField(r.category, kCategories[n % 8]);
    gbk::WriteField(r.note, "备注:");
    r.a.year = static_cast<int16_t>(1900 + n % 120);
    r.a.month = static_cast<int16_t>(1 + n % 12);
    r.a.day = static_cast<int16_t>(1 + n % 28);
    r.a.lunar = n % 3 == 0;
    r.a.male = n % 2;
    gbk::WriteField(r.b.name, "乙");
    return r;
}

// A store of that many live cases in one data file, written in one go.
void BuildStore(const std::string& folder, int32_t cases) {
    std::filesystem::create_directories(folder + "dat");
    std::ofstream out(DataFilePath(folder + "dat/bazi", 0), std::ios::binary | std::ios::trunc);
    HeaderBytes header = EncodeHeader({0, cases, 0, 0, 1});
    out.write(reinterpret_cast<const char*>(header.data()), header.size());
    for (int32_t n = 0; n < cases; ++n) {
        CaseBytes bytes = EncodeCase(SampleCase(n));
        out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
}

struct Window {
    QTemporaryDir folder;
    ScriptedMessages messages;
    std::unique_ptr<TFrmMain> window;
    QTreeWidget* tree = nullptr;
    explicit Window(int32_t cases) {
        BuildStore(folder.path().toStdString() + "/", cases);
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
    Window w(50000);
    for (auto _ : state) {
        w.window->TmShowAllClick();
        w.tree->viewport()->repaint();
    }
    state.counters["cases"] = w.Cases();
    if (!w.messages.shown.isEmpty()) state.SkipWithError("a message was shown");
}
BENCHMARK(BM_ShowAllCases)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
