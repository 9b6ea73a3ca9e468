// The end of every computation: what the report view and the chart picture
// show. The engine only prepares them; the window renders them.
#include "engine/chart/CBaZiEx.h"
#include "engine/symbols/symbols.h"

void CBaZiEx::FormatReportView() {
    if (!showReport) return;  // the window shows a stored report instead
    viewSpans = ReportStyleSpans(report);
    viewText = std::move(report);
    viewLeftIndent = leftpos;
    report.clear();
}

void CBaZiEx::DrawChartPicture() {
    picture.valid = true;
    for (int k = 0; k < 2; ++k) {
        picture.sexWord[k] = inputs[k].male ? "乾造" : "坤造";
        const ChartData& c = charts[k];
        const int pillars[4] = {c.yearPillar, c.monthPillar, c.dayPillar, c.hourPillar};
        for (int i = 0; i < 4; ++i) picture.pillars[k][i] = sym::PillarName(pillars[i]);
    }
    // Shown truncated toward zero: 87.9 is 87.
    picture.marriageIndex = static_cast<int>(marriageIndex);
}
