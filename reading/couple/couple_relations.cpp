// The relations between the two charts of a couple: their year pillars, and
// each person's day stem and month branch against the other's four pillars.
#include "engine/symbols/pillar_relations.h"
#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"
#include "reading/couple/couple_compare.h"

namespace couple {

void YearPillarRelation(int pillarA, int pillarB, int& stemCombination, int& branchRelation) {
    stemCombination = rel::StemCombination(sym::StemOf(pillarA), sym::StemOf(pillarB));
    branchRelation = rel::PairRelation(sym::BranchOf(pillarA), sym::BranchOf(pillarB), rel::HalfTriad::AnyTwo);
}

std::string CrossChartRelations(int which, int dayStem, int monthBranch, const ChartData& other) {
    static const char* const kLabels[2][4] = {{"甲年", "甲月", "甲日", "甲时"}, {"乙年", "乙月", "乙日", "乙时"}};
    const char* const* ownLabel = kLabels[which];
    const char* const* otherLabel = kLabels[1 - which];
    const int pillars[4] = {other.yearPillar, other.monthPillar, other.dayPillar, other.hourPillar};
    const char* const* stemName = sym::kStemNames;
    const char* const* branchName = sym::kBranchNames;

    std::string stems = "天干有";
    bool anyStem = false;
    for (int i = 0; i < 4; ++i) {
        int s = sym::StemOf(pillars[i]);
        int code = rel::StemCombination(dayStem, s);
        if (code < 0) continue;
        stems += Format(rel::kCombinationItems[code], stemName[dayStem], stemName[s], ownLabel[2], otherLabel[i]);
        anyStem = true;
    }
    if (anyStem)
        ReplaceLastChar(stems, "。");
    else
        stems = "天干无合。";

    std::string branches = "地支有";
    bool anyBranch = false;
    int b = monthBranch;
    for (int i = 0; i < 4; ++i) {
        int o = sym::BranchOf(pillars[i]);
        rel::BranchPair r = rel::PairRelation(b, o, rel::HalfTriad::AnyTwo);
        if (r == rel::kNoPair) continue;
        // Only the half triad's item has a fifth value, the triad's element.
        branches += Format(rel::PairItem(r), branchName[b], branchName[o], ownLabel[1], otherLabel[i],
                           sym::kElementNames[rel::TriadElement(b)]);
        anyBranch = true;
    }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            int oi = sym::BranchOf(pillars[i]), oj = sym::BranchOf(pillars[j]);
            int figure = rel::FindTripleFigure(b, oi, oj);
            if (figure < 0) continue;
            branches += Format(rel::kTripleFigures[figure].item, branchName[b], branchName[oi], branchName[oj],
                               ownLabel[1], otherLabel[i], otherLabel[j]);
            anyBranch = true;
        }
    if (anyBranch)
        ReplaceLastChar(branches, "。\r\n");
    else
        branches = "地支无刑冲害合。\r\n";

    return (which == 0 ? "★甲命对照乙命：" : "★乙命对照甲命：") + stems + branches;
}

}  // namespace couple
