#include "reading/couple/couple_compare.h"

#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"

namespace couple {

float FinalIndex(float total, bool bonus) {
    if (bonus) total += 10;
    return total >= 100 ? 99 : total;
}

Comparison CompareCharts(const ChartData& a, bool maleA, const ChartData& b, bool maleB, bool bonus) {
    std::string lines;
    float index = 0;
    auto add = [&](const Finding& f) {
        lines += f.text;
        index += f.points;
    };
    add(MutualBenefit(a, b));
    add(UsefulGods(a, b));
    add(ElementBalance(a, b));
    add(YinYangBalance(a, b));
    add(DayMasterPairing(a, b));
    add(YearPillars(a.yearPillar, b.yearPillar));
    // The nine stars and the birthday codes pair a man with a woman.
    bool couple = maleA != maleB;
    const ChartData& man = maleA ? a : b;
    const ChartData& woman = maleA ? b : a;
    Finding stars;
    if (couple && NineStars(man, woman, stars)) add(stars);
    add(ZodiacSigns(a, b));
    if (couple) add(BirthdayCodes(man, woman));
    lines += CrossChartRelations(0, sym::StemOf(a.dayPillar), sym::BranchOf(a.monthPillar), b);
    lines += CrossChartRelations(1, sym::StemOf(b.dayPillar), sym::BranchOf(b.monthPillar), a);
    lines += "\r\n※提示：指数有在60分以上，双方可以交往，喜配良缘的机会大。80分以上者，如能婚配真是天生的一对。※\r\n";
    index = FinalIndex(index, bonus);
    std::string heading = Format("婚姻配对分析：\r\n        婚配指数：%d分\r\n", static_cast<int>(index));
    return {index, heading + lines};
}

}  // namespace couple
