// The numeric analysis of one chart: the scores of the element codes and
// ten gods, the day master's strength, the ordinary and special patterns and
// the five gods (用神 喜神 忌神 仇神 闲神). Each step works on the chart record
// alone, so that it can be tried on a hand-made chart; the engine runs them
// in order (CBaZiEx::AnalyseChart).
#pragma once

#include <cstdint>

#include "engine/symbols/records.h"

namespace analysis {

// Scores every element code from the stems and the hidden stems, weighted by
// the season, with the bonus of a triad, direction, 四库 or half triad, and
// the day master's seasonal and rooting score; fills the counts of codes,
// elements, ten gods and groups.
void ScoreChart(ChartData& chart);

// yinTotal, yangTotal, godScore from codeScore; elementScore, groupScore and
// dayMasterTotal from those.
void TotalScores(ChartData& chart);

// The ordinary patterns from the month branch (建禄, 羊刃, or the ten gods of
// its hidden stems that stand among the stems), ended by −1.
void FindPatterns(ChartData& chart);

// Grade (0..6) and class (0 从旺 … 6 从弱) of the day master's total, where
// season is the seasonal state of the day stem (0 旺 … 4 死).
struct Strength {
    uint8_t grade;
    uint8_t strengthClass;
};
Strength StrengthOf(int dayMasterTotal, int season);

// The grade that goes with a strength class the user chose: 太弱 … 太旺 are
// grades 1 … 5, 从旺 follows an extremely strong day master (6) and 从弱 an
// extremely weak one (0).
uint8_t GradeOfClass(int strengthClass);

// The useful-god element of a strength class for a day master of element E.
int UsefulGodElement(int strengthClass, int dayElement);

// The special pattern (0 曲直格 … 16 戊癸化火格) and its five gods as
// elements, or −1 (gods left alone).
int FindSpecialPattern(const ChartData& chart, uint8_t gods[5]);

// 喜神 … 闲神 from the useful god and the class; for 从旺 and 从弱 the
// useful god too.
void AssignFavourGods(ChartData& chart);

// The four order lists, ascending by score.
void OrderScores(ChartData& chart);

// The favour of every stem and branch record: 0 喜用, 1 忌仇, 2 neither.
void MarkFavour(ChartData& chart);

}  // namespace analysis
