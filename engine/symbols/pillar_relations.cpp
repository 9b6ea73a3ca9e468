#include "engine/symbols/pillar_relations.h"

namespace rel {

namespace {
// Branch numbers: 0 亥, 1 子, 2 丑, 3 寅, 4 卯, 5 辰, 6 巳, 7 午, 8 未, 9 申, 10 酉, 11 戌.
bool IsSelfPunishing(int b) { return b == 0 || b == 5 || b == 7 || b == 10; }
bool IsTriadMiddle(int b) { return b % 3 == 1; }  // 子 卯 午 酉
}  // namespace

int StemCombination(int a, int b) {
    // The combining stems lie five apart (甲己, 乙庚, 丙辛, 丁壬, 戊癸); the
    // code is the smaller stem number (癸 = 0 goes with 戊).
    if (a - b != 5 && b - a != 5) return -1;
    return (a < b ? a : b) % 5;
}

const char* const kCombinationItems[5] = {
    "%s%s%s%s无情之合，", "%s%s%s%s中正之合，", "%s%s%s%s仁义之合，",
    "%s%s%s%s威制之合，", "%s%s%s%s淫匿之合，"};

BranchPair PairRelation(int f, int l, HalfTriad half) {
    if (f == l) return IsSelfPunishing(f) ? kSelfPunishment : kNoPair;
    if (l == (f + 6) % 12) return kClash;
    if ((f + l) % 12 == 3) return kCombination;  // 子丑 寅亥 卯戌 辰酉 巳申 午未
    if ((f + l) % 12 == 9) return kHarm;         // 子未 丑午 寅巳 卯辰 申亥 酉戌
    // The members of one triad share their branch number modulo 4.
    if (f % 4 == l % 4 && (half == HalfTriad::AnyTwo || IsTriadMiddle(f) || IsTriadMiddle(l)))
        return kHalfTriad;
    if ((f == 1 && l == 4) || (f == 4 && l == 1)) return kRudePunishment;
    return kNoPair;
}

int TriadElement(int branch) {
    // By branch number modulo 4: 亥卯未 木, 申子辰 水, 巳酉丑 金, 寅午戌 火.
    static constexpr int kElement[4] = {1, 0, 4, 2};
    return kElement[branch % 4];
}

const char* PairItem(BranchPair relation) {
    static const char* const kItems[6] = {"%s%s%s%s自刑，", "%s%s%s%s相冲，",     "%s%s%s%s六合，",
                                          "%s%s%s%s相害，", "%s%s%s%s半三合%s局，", "%s%s%s%s无礼之刑，"};
    return relation == kNoPair ? "" : kItems[relation];
}

const TripleFigure kTripleFigures[10] = {
    {FigureKind::Triad, 2, "%s%s%s%s%s%s三合火局，"},        // 寅午戌
    {FigureKind::Triad, 1, "%s%s%s%s%s%s三合木局，"},        // 亥卯未
    {FigureKind::Triad, 4, "%s%s%s%s%s%s三合金局，"},        // 巳酉丑
    {FigureKind::Triad, 0, "%s%s%s%s%s%s三合水局，"},        // 申子辰
    {FigureKind::Direction, 0, "%s%s%s%s%s%s三会北方水，"},  // 亥子丑
    {FigureKind::Direction, 1, "%s%s%s%s%s%s三会东方木，"},  // 寅卯辰
    {FigureKind::Direction, 2, "%s%s%s%s%s%s三会南方火，"},  // 巳午未
    {FigureKind::Direction, 4, "%s%s%s%s%s%s三会西方金，"},  // 申酉戌
    {FigureKind::Punishment, 2, "%s%s%s%s%s%s恃势之刑，"},   // 丑戌未
    {FigureKind::Punishment, 3, "%s%s%s%s%s%s无恩之刑，"},   // 寅巳申
};

int FindTripleFigure(int a, int b, int c) {
    // Product and sum of the branch numbers, 亥 counted as 12, tell each
    // figure's set of three apart.
    static constexpr int kProductSum[10][2] = {{231, 21}, {384, 24}, {120, 18}, {45, 15},  {24, 15},
                                               {60, 12},  {336, 21}, {990, 30}, {176, 21}, {162, 18}};
    auto n = [](int branch) { return branch == 0 ? 12 : branch; };
    int product = n(a) * n(b) * n(c), sum = n(a) + n(b) + n(c);
    for (int i = 0; i < 10; ++i)
        if (kProductSum[i][0] == product && kProductSum[i][1] == sum) return i;
    return -1;
}

bool AllFourStorehouses(const int branches[4]) {
    bool seen[12] = {};
    for (int i = 0; i < 4; ++i) seen[branches[i]] = true;
    return seen[2] && seen[5] && seen[8] && seen[11];  // 丑 辰 未 戌
}

}  // namespace rel
