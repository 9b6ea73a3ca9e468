// The fixed vocabulary of the charts: names of stems, branches, elements, ten
// gods and the other named cycles, the small tables that relate them, and the
// arithmetic on their numbers. Names are UTF-8; every table is indexed by the
// numbers of records.h (stem: 0 癸, 1 甲 … 9 壬; branch: 0 亥, 1 子 … 11 戌).
#pragma once

#include <string>

namespace sym {

extern const char* const kStemNames[10];         // 癸 甲 乙 … 壬
extern const char* const kBranchNames[12];       // 亥 子 丑 … 戌
extern const char* const kAnimalNames[12];       // 猪 鼠 牛 … 狗, by branch
extern const char* const kElementNames[5];       // 水 木 火 土 金
extern const char* const kElementCodeNames[10];  // 阴水 阳水 … 阳金
extern const char* const kTenGodNames[15];       // 比肩 … 正印, then the groups 比劫 食伤 财星 官杀 印枭
extern const char* const kTenGodShortNames[10];  // 比 劫 食 伤 才 财 杀 官 枭 印
extern const float kSeasonalFactor[10];          // by the ten god the month's ruling stem forms
extern const char* const kGrowthStageNames[12];  // 长生 … 养
extern const char* const kSeasonNames[5];        // 旺 相 休 囚 死
extern const char* const kFiveGodNames[5];       // 用神 喜神 忌神 仇神 闲神
extern const char* const kStrengthNames[7];      // 从旺 太弱 偏弱 平和 偏旺 太旺 从弱
extern const char* const kPatternNames[10];      // 建禄 羊刃 食神 … 正印
extern const char* const kSpecialPatternNames[17];
extern const char* const kCombinationNames[5];   // 戊癸 甲己 乙庚 丙辛 丁壬
extern const char* const kNayinNames[30];        // by na-yin pair number
extern const unsigned char kNayinElements[30];
extern const char* const kZodiacSignNames[12];   // 白羊 … 双鱼
extern const char* const kWeekdayNames[7];       // 日 一 … 六
extern const char* const kChapterTitles[8];      // 性格特征 … 有利选择

extern const unsigned char kStemElement[10];
extern const unsigned char kStemCode[10];
extern const unsigned char kStemGrowthBranch[10];  // branch of 长生
extern const unsigned char kBranchElement[12];
extern const unsigned char kBranchCode[12];
extern const unsigned char kBranchMainStem[12];
extern const char* const kBranchHiddenStems[12];   // stem digits, e.g. "086" for 丑
extern const char* const kBranchHiddenWeights[12]; // two digits per hidden stem

// Stem number (0..9) and branch number (0..11) of a sexagenary number.
inline int StemOf(int pillar) { return ((pillar % 10) + 10) % 10; }
inline int BranchOf(int pillar) { return ((pillar % 12) + 12) % 12; }

// Ten god (0..9) that `other` forms with the day stem.
int TenGod(int dayStem, int otherStem);
// The stem that forms ten god t with the day stem.
int StemOfTenGod(int dayStem, int tenGod);
// Growth stage (0 长生 … 11 养) of a stem on a branch.
int GrowthStage(int stem, int branch);
// Sexagenary number of a stem and branch of the same parity (癸亥 = 0).
int CycleIndex(int stem, int branch);
// Seasonal state (0 旺 … 4 死) of an element in a month ruled by monthElement.
int SeasonalState(int element, int monthElement);

// Na-yin pair number (0..29) of a sexagenary number: 甲子/乙丑 are 1, 壬戌/癸亥 0.
int NayinPair(int pillar);

// Number of hidden stems of a branch, and the i-th hidden stem and its weight.
int HiddenStemCount(int branch);
int HiddenStem(int branch, int i);
int HiddenWeight(int branch, int i);

// Stem name followed by branch name, e.g. "甲子".
std::string PillarName(int pillar);

}  // namespace sym
