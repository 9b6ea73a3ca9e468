// The comparison of a couple's two analysed charts (甲命 A, 乙命 B) and the
// marriage index (婚配指数). Every finding is one line of the comparison
// section and adds its points to the index; the index is single-precision
// and is shown truncated.
#pragma once

#include <string>

#include "engine/chart/chart_readings.h"

namespace couple {

struct Finding {
    std::string text;
    float points;
};

// Whether a step writes its line. The marriage index alone (the partner
// ranking of the whole case library) skips every line: the points of a step
// never depend on its text.
enum class Lines { Write, Skip };

// 补益: what share of the other's element power feeds one's 用神 and 喜神
// against 忌神 and 仇神, both ways (0..35 points).
Finding MutualBenefit(const ChartData& a, const ChartData& b, Lines lines = Lines::Write);
// Whether the two persons' 用神 and 喜神 generate or control each other (0..25).
Finding UsefulGods(const ChartData& a, const ChartData& b, Lines lines = Lines::Write);
// Balance of the five elements of both charts together (7.5..15).
Finding ElementBalance(const ChartData& a, const ChartData& b, Lines lines = Lines::Write);
// Balance of yin and yang of both charts together (0..10).
Finding YinYangBalance(const ChartData& a, const ChartData& b, Lines lines = Lines::Write);
// How the two day masters' strength classes pair (0..6).
Finding DayMasterPairing(const ChartData& a, const ChartData& b, Lines lines = Lines::Write);
// Stems and branches of the two year pillars (0..8).
Finding YearPillars(int yearPillarA, int yearPillarB, Lines lines = Lines::Write);
// 九星合婚 of a man and a woman (0..2); false when a star is 5, which has no
// pairing.
bool NineStars(const ChartData& man, const ChartData& woman, Finding& finding, Lines lines = Lines::Write);
// The Western signs, by their angle (0..2).
Finding ZodiacSigns(const ChartData& a, const ChartData& b, Lines lines = Lines::Write);
// The birthday codes (生日密码) of a man and a woman (0..2).
Finding BirthdayCodes(const ChartData& man, const ChartData& woman, Lines lines = Lines::Write);

// The star (1..9) of a person of this sex, era and year pillar.
int NineStar(bool male, int era, int yearPillar);
// The name of the pairing of two stars (1..9), nullptr when either is 5.
const char* NineStarPairing(int manStar, int womanStar);
// 0 no match, 1 suitable, 2 perfect match, for codes 1..9.
int BirthdayVerdict(int manCode, int womanCode);

// Stem combination (−1 none, else 0 戊癸 … 4 丁壬) and branch relation
// (−1 none, 0 自刑, 1 相冲, 2 六合, 3 六害, 4 half 三合, 5 无礼之刑) of two
// year pillars.
void YearPillarRelation(int pillarA, int pillarB, int& stemCombination, int& branchRelation);
// One person's day stem and month branch against the other's four pillars:
// which 0 sets 甲命's against 乙命's chart (other), which 1 the reverse.
std::string CrossChartRelations(int which, int dayStem, int monthBranch, const ChartData& other);

// The index after the optional bonus of 10 (婚配指数高分制), cut to 99.
float FinalIndex(float total, bool bonus);

using Comparison = CoupleComparison;
Comparison CompareCharts(const ChartData& a, bool maleA, const ChartData& b, bool maleB, bool bonus);
// The index of CompareCharts alone, by the same steps with their lines
// skipped: always the index that the full comparison gives.
float MarriageIndex(const ChartData& a, bool maleA, const ChartData& b, bool maleB, bool bonus);

}  // namespace couple
