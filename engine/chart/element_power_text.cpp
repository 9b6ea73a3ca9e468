#include "engine/chart/element_power_text.h"

#include "engine/chart/CBaZiEx.h"
#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"

namespace {

// A share in percent. The scores the user sets may sum to 0; every share of
// such a total shows as 0.0.
double Percent(int part, int total) { return total == 0 ? 0.0 : part * 100.0 / total; }
double Remainder(double percent, int total) { return total == 0 ? 0.0 : 100 - percent; }

const char* GroupName(int group) { return sym::kTenGodNames[10 + group]; }

std::string PowerLines(const ChartData& c) {
    // The shares print as "(%2.1f%)": the number, then "%)" as it stands.
    std::string w = "\r\n\r\n※五行力量：";
    int sum = 0;
    for (int16_t s : c.elementScore) sum += s;
    for (int e = 0; e < 5; ++e)
        w += Format("%s%d(%2.1f%%)  ", sym::kElementNames[e], c.elementScore[e], Percent(c.elementScore[e], sum));
    w += "\r\n";

    const int16_t* g = c.groupScore;
    int support = g[0] + g[4], drain = g[1] + g[2] + g[3];
    double p = Percent(support, support + drain);
    w += Format("  己生助力量:%d(%2.1f%%)", support, p);
    w += Format("  克泄耗力量:%d(%2.1f%%)。", drain, Remainder(p, support + drain));
    double q = Percent(c.yinTotal, c.yinTotal + c.yangTotal);
    w += Format("  阴气:%d(%2.1f%%)", c.yinTotal, q);
    w += Format("  阳气:%d(%2.1f%%)。\r\n\r\n", c.yangTotal, Remainder(q, c.yinTotal + c.yangTotal));
    return w;
}

std::string Verdict(const ChartData& c, bool specialPatternRules) {
    int h = c.strengthClass;
    std::string v;
    if (h >= 1 && h <= 5) {
        v = Format("日元%s，", sym::kStrengthNames[h]);
        if (c.specialPattern >= 0 && specialPatternRules)
            v += Format("命局入%s(以变格论命)，", sym::kSpecialPatternNames[c.specialPattern]);
    } else if (c.specialPattern >= 0 && specialPatternRules) {
        v = h == 0 ? "日元极旺，" : "日元极弱，";
        v += Format("命局入%s(以变格论命)，", sym::kSpecialPatternNames[c.specialPattern]);
    } else {
        v = h == 0 ? "日元极旺，以从旺看，" : "日元极弱，以从弱看，";
    }
    return v;
}

std::string FiveGodsLine(const ChartData& c) {
    const char* const* element = sym::kElementNames;
    return Format("喜用%s，%s(%s、%s)。", element[c.gods[0]], element[c.gods[1]], GroupName(c.godGroups[0]),
                  GroupName(c.godGroups[1])) +
           Format("忌仇%s，%s(%s、%s)。\r\n", element[c.gods[2]], element[c.gods[3]], GroupName(c.godGroups[2]),
                  GroupName(c.godGroups[3]));
}

std::string PatternLine(const ChartData& c) {
    std::string p;
    if (c.patterns[0] == -1) {
        p = "※此命局未入正格。";
    } else {
        p = "※此命局入";
        for (int i = 0; i < 4 && c.patterns[i] != -1; ++i) p += Format("%s格、", sym::kPatternNames[c.patterns[i]]);
        ReplaceLastChar(p, "。");
    }
    if (c.specialPattern >= 0) p += Format("入%s（变格）。", sym::kSpecialPatternNames[c.specialPattern]);
    return p + "\r\n";
}

}  // namespace

std::string ElementPowerText(const ChartData& chart, bool specialPatternRules) {
    return PowerLines(chart) + Format("※日主综合得分：%d。 ", chart.dayMasterTotal) +
           Verdict(chart, specialPatternRules) + FiveGodsLine(chart) + PatternLine(chart);
}

void CBaZiEx::WriteElementPower() {
    sectionText += ElementPowerText(chart, biange != 0);
    WriteRelations();
}
