// What the main() of a window benchmark does: an application on the
// offscreen platform (unless another is asked for) with the fonts the
// windows use, then the benchmarks.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include "widgets/fonts.h"

inline int RunGuiBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
