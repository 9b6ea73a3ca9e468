// The day master's strength, the ordinary patterns, the five gods and the
// order lists of the scores.
#include <utility>

#include "engine/analysis/chart_analysis.h"
#include "engine/base/int_math.h"
#include "engine/symbols/symbols.h"

namespace analysis {

namespace {

using intmath::Mod;

int DayStem(const ChartData& c) { return sym::StemOf(c.dayPillar); }
int DayElement(const ChartData& c) { return sym::kStemElement[DayStem(c)]; }

// The numbers 0..N−1 ordered by ascending score: a selection sort that
// takes the first of equal minima and swaps it forward.
template <int N>
void OrderBy(const int16_t (&score)[N], uint8_t (&order)[N]) {
    for (int i = 0; i < N; ++i) order[i] = static_cast<uint8_t>(i);
    for (int i = 0; i < N - 1; ++i) {
        int least = i;
        for (int j = i + 1; j < N; ++j)
            if (score[order[j]] < score[order[least]]) least = j;
        std::swap(order[i], order[least]);
    }
}

}  // namespace

void TotalScores(ChartData& c) {
    c.yinTotal = c.yangTotal = 0;
    for (int code = 0; code < 10; ++code) (code % 2 == 0 ? c.yinTotal : c.yangTotal) += c.codeScore[code];
    int d = DayStem(c);
    for (int t = 0; t < 10; ++t) c.godScore[t] = c.codeScore[sym::kStemCode[sym::StemOfTenGod(d, t)]];
    for (int e = 0; e < 5; ++e) {
        c.elementScore[e] = static_cast<int16_t>(c.codeScore[2 * e] + c.codeScore[2 * e + 1]);
        c.groupScore[e] = static_cast<int16_t>(c.godScore[2 * e] + c.godScore[2 * e + 1]);
    }
    // Support (比劫, 印枭) against drain (食伤, 财星, 官杀).
    const int16_t* g = c.groupScore;
    c.dayMasterTotal = static_cast<int16_t>(c.seasonScore + g[0] + g[4] - g[1] - g[2] - g[3]);
}

void FindPatterns(ChartData& c) {
    int d = DayStem(c), m = sym::BranchOf(c.monthPillar);
    const int stems[4] = {sym::StemOf(c.yearPillar), sym::StemOf(c.monthPillar), d, sym::StemOf(c.hourPillar)};
    int n = 0;
    int stage = sym::GrowthStage(d, m);
    if (stage == 3 || stage == 4) {  // 临官: 建禄, 帝旺: 羊刃
        c.patterns[n++] = static_cast<int16_t>(stage - 3);
    } else {
        // A hidden stem of the month that stands among the stems names the
        // pattern by its ten god (比肩 and 劫财 name none).
        for (int h = 0; h < sym::HiddenStemCount(m); ++h) {
            int stem = sym::HiddenStem(m, h);
            int god = sym::TenGod(d, stem);
            bool shows = stem == stems[0] || stem == stems[1] || stem == stems[2] || stem == stems[3];
            if (shows && god >= 2) c.patterns[n++] = static_cast<int16_t>(god);
        }
    }
    while (n < 4) c.patterns[n++] = -1;
}

Strength StrengthOf(int total, int season) {
    // A day master far beyond the middle follows the chart (从弱, 从旺) only
    // when the month does not support it (休 囚 死), resp. does (旺 相).
    if (total < -235) return {0, static_cast<uint8_t>(season >= 2 ? 6 : 1)};
    if (total < -72) return {1, 1};
    if (total < 0) return {2, 2};
    if (total <= 71) return {3, 3};
    if (total <= 143) return {4, 4};
    if (total <= 305) return {5, 5};
    return {6, static_cast<uint8_t>(season < 2 ? 0 : 5)};
}

uint8_t GradeOfClass(int strengthClass) {
    if (strengthClass == 0) return 6;
    if (strengthClass == 6) return 0;
    return static_cast<uint8_t>(strengthClass);
}

int UsefulGodElement(int strengthClass, int dayElement) {
    // 从旺 印, 太弱 比劫, 偏弱 印, 平和 印, 偏旺 财, 太旺 官杀, 从弱 财.
    static constexpr int kOffset[7] = {4, 0, 4, 4, 2, 3, 2};
    return Mod(dayElement + kOffset[strengthClass], 5);
}

void AssignFavourGods(ChartData& c) {
    // By the group of 用神: the groups of 喜神, 忌神, 仇神, 闲神.
    static constexpr int kFollowing[5][4] = {{4, 3, 2, 1}, {2, 4, 0, 3}, {1, 0, 4, 3}, {2, 0, 4, 1}, {0, 2, 1, 3}};
    // 从旺 and 从弱: all five groups by the ruling group b.
    static constexpr int kFollowed[5][5] = {
        {0, 4, 3, 2, 1}, {1, 0, 4, 3, 2}, {2, 1, 0, 4, 3}, {3, 2, 0, 4, 1}, {4, 0, 2, 3, 1}};
    int groups[5];
    const int16_t* g = c.groupScore;
    if (c.strengthClass == 0 || c.strengthClass == 6) {
        int b;
        if (c.strengthClass == 0) {
            b = g[0] > g[4] ? 0 : 4;
        } else {
            b = g[2] > g[1] ? 2 : 1;
            if (g[3] > g[b]) b = 3;
        }
        for (int i = 0; i < 5; ++i) groups[i] = kFollowed[b][i];
    } else {
        groups[0] = c.godGroups[0] % 5;
        for (int i = 1; i < 5; ++i) groups[i] = kFollowing[groups[0]][i - 1];
    }
    int e = DayElement(c);
    for (int i = 0; i < 5; ++i) {
        c.godGroups[i] = static_cast<uint8_t>(groups[i]);
        c.gods[i] = static_cast<uint8_t>(Mod(e + groups[i], 5));
    }
}

void OrderScores(ChartData& c) {
    OrderBy(c.elementScore, c.elementOrder);
    OrderBy(c.groupScore, c.groupOrder);
    OrderBy(c.codeScore, c.codeOrder);
    OrderBy(c.godScore, c.godOrder);
}

void MarkFavour(ChartData& c) {
    auto favour = [&c](int group) -> uint8_t {
        if (group == c.godGroups[0] || group == c.godGroups[1]) return 0;
        if (group == c.godGroups[2] || group == c.godGroups[3]) return 1;
        return 2;  // 闲神, and the day stem, which has no group
    };
    for (int i = 0; i < 4; ++i) {
        c.stemInfo[i].favour = favour(c.stemInfo[i].group);
        c.branchInfo[i].favour = favour(c.branchInfo[i].group);
    }
}

}  // namespace analysis
