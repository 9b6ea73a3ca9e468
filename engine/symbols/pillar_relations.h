// How stems and branches of pillars stand to each other: the stem
// combinations (五合), the relations of two branches (刑 冲 合 害 and the half
// triads) and the figures of three branches (三合, 三会, the three-branch 刑).
// The chart's relations text and the couple comparison name them with the
// item texts below; their four (or six) %s are the names and then the
// positions of the stems or branches taking part.
#pragma once

namespace rel {

// Combination code of two stems (癸 = 0): 0 戊癸, 1 甲己, 2 乙庚, 3 丙辛,
// 4 丁壬; −1 when they do not combine.
int StemCombination(int a, int b);
// Item text of a combination, by code: "%s%s%s%s无情之合，" …
extern const char* const kCombinationItems[5];

// Relations of two branches, numbered as the couple comparison codes them.
enum BranchPair {
    kNoPair = -1,
    kSelfPunishment = 0,  // 自刑: the same branch, 辰 午 酉 or 亥
    kClash = 1,           // 相冲: six apart
    kCombination = 2,     // 六合
    kHarm = 3,            // 六害
    kHalfTriad = 4,       // two members of one triad (申子辰 亥卯未 寅午戌 巳酉丑)
    kRudePunishment = 5,  // 无礼之刑: 子 with 卯
};

// Whether a half triad must hold the triad's middle member (子 卯 午 酉):
// a chart's own branches need it, branches of two charts do not.
enum class HalfTriad { NeedsMiddle, AnyTwo };

// The first relation that holds, tested in the order of the codes.
BranchPair PairRelation(int f, int l, HalfTriad half);
// Element of the triad of a branch: 申子辰 水, 亥卯未 木, 寅午戌 火, 巳酉丑 金.
int TriadElement(int branch);
// Item text of a relation (not kNoPair); the half triad takes the triad's
// element name as a fifth value.
const char* PairItem(BranchPair relation);

// Figures of three branches, in the order they are tried.
enum class FigureKind { Triad, Direction, Punishment };
struct TripleFigure {
    FigureKind kind;
    int value;         // element of a triad or direction; 2 丑戌未, 3 寅巳申 for a 刑
    const char* item;  // "%s%s%s%s%s%s三合火局，" …
};
extern const TripleFigure kTripleFigures[10];
// Index in kTripleFigures of three branches (in any order), −1 none.
int FindTripleFigure(int a, int b, int c);

// Whether the four branches are 辰, 戌, 丑 and 未 (四库 all present).
bool AllFourStorehouses(const int branches[4]);

}  // namespace rel
