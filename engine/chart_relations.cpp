// The relations between the pillars of one chart: stem combinations (五合)
// and the clashes, combinations, harms and punishments of the branches.
#include <algorithm>
#include <initializer_list>

#include "engine/CBaZiEx.h"
#include "engine/chart_rules.h"
#include "engine/stars.h"
#include "engine/symbols.h"

using namespace gz;

namespace {

// The combination code (0 戊癸, 1 甲己, 2 乙庚, 3 丙辛, 4 丁壬) of two stems, or −1.
int StemCombination(int a, int b) {
    static constexpr int kProductSum[5][2] = {{0, 5}, {6, 7}, {14, 9}, {24, 11}, {36, 13}};
    for (int code = 0; code < 5; ++code)
        if (a * b == kProductSum[code][0] && a + b == kProductSum[code][1]) return code;
    return -1;
}

bool IsStorehouse(int branch) { return branch == 丑 || branch == 辰 || branch == 未 || branch == 戌; }

// The one relation of two branches that the chart records, tried in this
// order: 自刑, 相冲, 六合, 六害, 半三合, 子卯 刑. Sets slot and value; false
// when there is none.
bool BranchPairRelation(int f, int l, int& slot, int& value) {
    if (f == l) {
        if (f != 亥 && f != 辰 && f != 午 && f != 酉) return false;
        slot = kRelPunish2, value = f;
    } else if (l == (f + 6) % 12) {
        slot = kRelClash, value = f % 6;  // 0 巳亥, 1 子午 … 5 辰戌
    } else if ((f + l) % 12 == 3) {       // 子丑 寅亥 卯戌 辰酉 巳申 午未
        slot = kRelCombine, value = std::min(f, l);
    } else if ((f + l) % 12 == 9) {       // 子未 丑午 寅巳 卯辰 申亥 酉戌
        slot = kRelHarm, value = std::min(f, l);
    } else if (f % 4 == l % 4 && (f % 3 == 1 || l % 3 == 1)) {
        // Two members of one triad (申子辰, 亥卯未, 寅午戌, 巳酉丑), one of
        // them its middle member 子, 卯, 午 or 酉, which names the element.
        int middle = f % 3 == 1 ? f : l;
        slot = kRelHalfTriple;
        value = sym::kBranchElement[middle] * 10 + (IsStorehouse(f) || IsStorehouse(l) ? 5 : 0);
    } else if ((f == 子 && l == 卯) || (f == 卯 && l == 子)) {
        slot = kRelPunish2, value = 1;
    } else {
        return false;
    }
    return true;
}

// Three branches (亥 counted as 12) by product and sum.
struct TripleRule {
    int product, sum, slot, value;
};
constexpr TripleRule kTriples[] = {
    {231, 21, kRelTriple, 2},       // 寅午戌 火
    {384, 24, kRelTriple, 1},       // 亥卯未 木
    {120, 18, kRelTriple, 4},       // 巳酉丑 金
    {45, 15, kRelTriple, 0},        // 申子辰 水
    {24, 15, kRelDirectional, 0},   // 亥子丑 北方水
    {60, 12, kRelDirectional, 1},   // 寅卯辰 东方木
    {336, 21, kRelDirectional, 2},  // 巳午未 南方火
    {990, 30, kRelDirectional, 4},  // 申酉戌 西方金
    {176, 21, kRelPunish3, 2},      // 丑戌未
    {162, 18, kRelPunish3, 3},      // 寅巳申
};

}  // namespace

void CBaZiEx::FindRelations() {
    const int pillars[4] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
    for (int i = 0; i < 4; ++i) {
        chart.stemInfo[i].combination = -1;
        for (int16_t& r : chart.branchInfo[i].relation) r = -1;
    }
    auto set = [&](std::initializer_list<int> which, int slot, int value) {
        for (int p : which) chart.branchInfo[p].relation[slot] = static_cast<int16_t>(value);
    };

    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            int code = StemCombination(sym::StemOf(pillars[i]), sym::StemOf(pillars[j]));
            if (code >= 0) chart.stemInfo[i].combination = chart.stemInfo[j].combination = static_cast<int16_t>(code);
            int slot, value;
            if (BranchPairRelation(sym::BranchOf(pillars[i]), sym::BranchOf(pillars[j]), slot, value))
                set({i, j}, slot, value);
        }

    int b12[4], product4 = 1, sum4 = 0;
    for (int i = 0; i < 4; ++i) {
        int b = sym::BranchOf(pillars[i]);
        b12[i] = b == 亥 ? 12 : b;
        product4 *= b;
        sum4 += b;
    }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            for (int k = j + 1; k < 4; ++k) {
                int product = b12[i] * b12[j] * b12[k], sum = b12[i] + b12[j] + b12[k];
                for (const TripleRule& r : kTriples)
                    if (r.product == product && r.sum == sum) {
                        set({i, j, k}, r.slot, r.value);
                        break;
                    }
            }
    // 辰戌丑未 all four (亥 counted as 0 here).
    if (product4 == 880 && sum4 == 26) set({0, 1, 2, 3}, kRelDirectional, 3);
}
