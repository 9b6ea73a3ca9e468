// The compute command as the user meets it: from the click on "测算" to the
// styled report and the chart picture painted on screen (offscreen platform).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <filesystem>

#include "app/main/TFrmMain.h"
#include "widgets/fonts.h"
#include "app/report/report_rendering.h"
#include "widgets/messages/scripted_messages.h"
#include "gui_bench_main.h"

namespace {

void BM_ComputeToScreen(benchmark::State& state) {
    QTemporaryDir folder;
    std::filesystem::create_directories(folder.path().toStdString() + "/dat");
    std::filesystem::copy_file(std::string(MARIVO_SOURCE_DIR) + "/dat/dili.ini",
                               folder.path().toStdString() + "/dat/dili.ini");
    ScriptedMessages messages;
    TFrmMain window(folder.path().toStdString());
    window.resize(1180, 760);
    window.show();
    QApplication::processEvents();
    window.findChild<QLineEdit*>("EdtYear")->setText("1980");
    window.findChild<QLineEdit*>("EdtYear2")->setText("1983");
    auto* button = window.findChild<QPushButton*>("BtnPai");
    auto* view = window.findChild<QTextEdit*>("Redtbazi");
    QWidget* picture = window.findChild<QWidget*>("ImgBaZi");
    for (auto _ : state) {
        button->click();
        view->viewport()->repaint();
        picture->repaint();
    }
    if (!messages.shown.isEmpty()) state.SkipWithError(messages.shown.first().text.toStdString().c_str());
    state.counters["report_chars"] = static_cast<double>(view->toPlainText().size());
}
BENCHMARK(BM_ComputeToScreen)->Unit(benchmark::kMillisecond);

// Rendering alone for a report of the given number of lines (a full report
// has a few hundred), styled by 16 spans as the engine leaves them.
void BM_StyledReportToScreen(benchmark::State& state) {
    std::string report;
    for (int i = 0; i < state.range(0); ++i) report += "  ★日主天干为木，身旺，喜火土金，忌水木，合婚宜取属火属土之人。\r\n";
    const int length = static_cast<int>(QString::fromStdString(report).toUcs4().size());
    std::vector<StyleSpan> spans;
    for (int i = 0; i < 16; ++i)
        spans.push_back({length * i / 16, length / 20, true, i % 3 - 1, SpanColour(i % 5), true, i % 2 == 0});
    QTextEdit view;
    view.setFont(FontNamed(kDefaultFontName, 12));
    view.resize(900, 640);
    view.show();
    QApplication::processEvents();
    for (auto _ : state) {
        ShowStyledReport(view, report, spans, 0);
        view.viewport()->repaint();
    }
    state.counters["report_chars"] = length;
}
BENCHMARK(BM_StyledReportToScreen)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
