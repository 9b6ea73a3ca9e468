// The relations between the pillars of one chart, recorded in the pillar
// records: stem combinations (五合) and the clashes, combinations, harms and
// punishments of the branches.
#include <algorithm>
#include <initializer_list>

#include "engine/chart/CBaZiEx.h"
#include "engine/chart/chart_rules.h"
#include "engine/symbols/pillar_relations.h"
#include "engine/symbols/stars.h"
#include "engine/symbols/symbols.h"

using namespace gz;

namespace {

bool IsStorehouse(int branch) { return branch == 丑 || branch == 辰 || branch == 未 || branch == 戌; }

// The slot and code under which a chart records the relation of two branches.
void PairCode(rel::BranchPair relation, int f, int l, int& slot, int& value) {
    switch (relation) {
        case rel::kSelfPunishment: slot = kRelPunish2, value = f; break;
        case rel::kClash: slot = kRelClash, value = f % 6; break;  // 0 巳亥, 1 子午 … 5 辰戌
        case rel::kCombination: slot = kRelCombine, value = std::min(f, l); break;
        case rel::kHarm: slot = kRelHarm, value = std::min(f, l); break;
        case rel::kHalfTriad:
            slot = kRelHalfTriple;
            value = rel::TriadElement(f) * 10 + (IsStorehouse(f) || IsStorehouse(l) ? 5 : 0);
            break;
        default: slot = kRelPunish2, value = 1; break;  // 子卯
    }
}

int FigureSlot(rel::FigureKind kind) {
    switch (kind) {
        case rel::FigureKind::Triad: return kRelTriple;
        case rel::FigureKind::Direction: return kRelDirectional;
        default: return kRelPunish3;
    }
}

}  // namespace

void CBaZiEx::FindRelations() {
    const int pillars[4] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
    int branches[4];
    for (int i = 0; i < 4; ++i) {
        branches[i] = sym::BranchOf(pillars[i]);
        chart.stemInfo[i].combination = -1;
        for (int16_t& r : chart.branchInfo[i].relation) r = -1;
    }
    auto set = [&](std::initializer_list<int> which, int slot, int value) {
        for (int p : which) chart.branchInfo[p].relation[slot] = static_cast<int16_t>(value);
    };

    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            int code = rel::StemCombination(sym::StemOf(pillars[i]), sym::StemOf(pillars[j]));
            if (code >= 0) chart.stemInfo[i].combination = chart.stemInfo[j].combination = static_cast<int16_t>(code);
            rel::BranchPair relation = rel::PairRelation(branches[i], branches[j], rel::HalfTriad::NeedsMiddle);
            if (relation == rel::kNoPair) continue;
            int slot, value;
            PairCode(relation, branches[i], branches[j], slot, value);
            set({i, j}, slot, value);
        }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            for (int k = j + 1; k < 4; ++k) {
                int figure = rel::FindTripleFigure(branches[i], branches[j], branches[k]);
                if (figure < 0) continue;
                const rel::TripleFigure& f = rel::kTripleFigures[figure];
                set({i, j, k}, FigureSlot(f.kind), f.value);
            }
    if (rel::AllFourStorehouses(branches)) set({0, 1, 2, 3}, kRelDirectional, 3);
}
