// The relations between the four pillars of one chart as the chart text
// lists them: "※天干有…" for the stems, then "地支有…" for the branches.
#include "engine/chart/CBaZiEx.h"
#include "engine/chart/element_power_text.h"
#include "engine/symbols/pillar_relations.h"
#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"

namespace {

const char* const kPositions[4] = {"年", "月", "日", "时"};

std::string StemText(const int stems[4]) {
    std::string t = "※天干有";
    bool any = false;
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            int code = rel::StemCombination(stems[i], stems[j]);
            if (code < 0) continue;
            t += Format(rel::kCombinationItems[code], sym::kStemNames[stems[i]], sym::kStemNames[stems[j]],
                        kPositions[i], kPositions[j]);
            any = true;
        }
    if (!any) return "※天干无合。";
    ReplaceLastChar(t, "。");
    return t;
}

std::string BranchText(const int branches[4]) {
    const char* const* name = sym::kBranchNames;
    std::string b = "地支有";
    bool any = false;
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            int f = branches[i], l = branches[j];
            rel::BranchPair r = rel::PairRelation(f, l, rel::HalfTriad::NeedsMiddle);
            if (r == rel::kNoPair) continue;
            // Only the half triad's item has a fifth value, the triad's element.
            b += Format(rel::PairItem(r), name[f], name[l], kPositions[i], kPositions[j],
                        sym::kElementNames[rel::TriadElement(f)]);
            any = true;
        }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            for (int k = j + 1; k < 4; ++k) {
                int figure = rel::FindTripleFigure(branches[i], branches[j], branches[k]);
                if (figure < 0) continue;
                b += Format(rel::kTripleFigures[figure].item, name[branches[i]], name[branches[j]],
                            name[branches[k]], kPositions[i], kPositions[j], kPositions[k]);
                any = true;
            }
    if (rel::AllFourStorehouses(branches)) {
        b += "辰戌丑未四库全。";
        any = true;
    }
    if (!any) return "地支无刑冲害合。\r\n\r\n";
    ReplaceLastChar(b, "。\r\n\r\n");
    return b;
}

}  // namespace

std::string RelationsText(const ChartData& chart) {
    const int pillars[4] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
    int stems[4], branches[4];
    for (int i = 0; i < 4; ++i) {
        stems[i] = sym::StemOf(pillars[i]);
        branches[i] = sym::BranchOf(pillars[i]);
    }
    return StemText(stems) + BranchText(branches);
}

void CBaZiEx::WriteRelations() { sectionText += RelationsText(chart); }
