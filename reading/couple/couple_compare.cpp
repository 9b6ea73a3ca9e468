#include "reading/couple/couple_compare.h"

#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"

namespace couple {

float FinalIndex(float total, bool bonus) {
    if (bonus) total += 10;
    return total >= 100 ? 99 : total;
}

namespace {

// The scored steps of the comparison in their order, each adding its points
// to the index in single precision; with Lines::Write their lines are
// appended to `lines`. Returns the index before the bonus and the cut at 99.
float ScoredSteps(const ChartData& a, bool maleA, const ChartData& b, bool maleB, Lines mode, std::string& lines) {
    float index = 0;
    auto add = [&](const Finding& f) {
        lines += f.text;
        index += f.points;
    };
    add(MutualBenefit(a, b, mode));
    add(UsefulGods(a, b, mode));
    add(ElementBalance(a, b, mode));
    add(YinYangBalance(a, b, mode));
    add(DayMasterPairing(a, b, mode));
    add(YearPillars(a.yearPillar, b.yearPillar, mode));
    // The nine stars and the birthday codes pair a man with a woman.
    bool couple = maleA != maleB;
    const ChartData& man = maleA ? a : b;
    const ChartData& woman = maleA ? b : a;
    Finding stars;
    if (couple && NineStars(man, woman, stars, mode)) add(stars);
    add(ZodiacSigns(a, b, mode));
    if (couple) add(BirthdayCodes(man, woman, mode));
    return index;
}

}  // namespace

Comparison CompareCharts(const ChartData& a, bool maleA, const ChartData& b, bool maleB, bool bonus) {
    std::string lines;
    float index = FinalIndex(ScoredSteps(a, maleA, b, maleB, Lines::Write, lines), bonus);
    // The cross-chart relations and the closing hint add no points.
    lines += CrossChartRelations(0, sym::StemOf(a.dayPillar), sym::BranchOf(a.monthPillar), b);
    lines += CrossChartRelations(1, sym::StemOf(b.dayPillar), sym::BranchOf(b.monthPillar), a);
    lines += "\r\n※提示：指数有在60分以上，双方可以交往，喜配良缘的机会大。80分以上者，如能婚配真是天生的一对。※\r\n";
    std::string heading = Format("婚姻配对分析：\r\n        婚配指数：%d分\r\n", static_cast<int>(index));
    return {index, heading + lines};
}

float MarriageIndex(const ChartData& a, bool maleA, const ChartData& b, bool maleB, bool bonus) {
    std::string noLines;
    return FinalIndex(ScoredSteps(a, maleA, b, maleB, Lines::Skip, noLines), bonus);
}

}  // namespace couple
