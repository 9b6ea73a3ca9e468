// The analysis of the working chart at the end of its construction, and
// again after the user has set the useful god: scores, strength, patterns,
// five gods, the analysis lines of the chart text and the person's readings.
#include "engine/analysis/chart_analysis.h"

#include "engine/chart/CBaZiEx.h"
#include "engine/symbols/symbols.h"

void CBaZiEx::AnalyseChart() {
    // After RecomputeWithSettings the scores are the user's.
    if (coupleMode) ScoreChart();
    JudgeStrength();
    analysis::MarkFavour(chart);
    // The texts below only read the chart; the marriage index needs none of them.
    if (!writeText) return;
    WriteElementPower();
    ReadPersonality();
    ReadMarriage();
}

void CBaZiEx::ReadPersonality() { readingsText += readings_.Personality({chart, current, lunarDate.day}); }
void CBaZiEx::ReadMarriage() { readingsText += readings_.Marriage({chart, current, lunarDate.day}); }

void CBaZiEx::ScoreChart() { analysis::ScoreChart(chart); }

void CBaZiEx::JudgeStrength() {
    analysis::TotalScores(chart);
    analysis::FindPatterns(chart);
    uint8_t specialGods[5] = {};
    chart.specialPattern = static_cast<int16_t>(FindSpecialPattern(specialGods));
    if (!coupleMode) {
        // The user's class; the five gods were set from the user's groups.
        chart.strengthClass = userSettings.strengthClass;
        chart.strengthGrade = analysis::GradeOfClass(chart.strengthClass);
    } else {
        analysis::Strength s = analysis::StrengthOf(chart.dayMasterTotal, chart.stemInfo[2].season);
        chart.strengthGrade = s.grade;
        chart.strengthClass = s.strengthClass;
        int e = sym::kStemElement[sym::StemOf(chart.dayPillar)];
        int useful = analysis::UsefulGodElement(chart.strengthClass, e);
        chart.gods[0] = static_cast<uint8_t>(useful);
        chart.godGroups[0] = static_cast<uint8_t>((useful - e + 5) % 5);
        AssignFavourGods();
        if (chart.specialPattern >= 0 && biange) {
            for (int i = 0; i < 5; ++i) {
                chart.gods[i] = specialGods[i];
                chart.godGroups[i] = static_cast<uint8_t>((specialGods[i] - e + 5) % 5);
            }
        }
    }
    OrderScores();
}

int CBaZiEx::FindSpecialPattern(uint8_t gods[5]) { return analysis::FindSpecialPattern(chart, gods); }
void CBaZiEx::AssignFavourGods() { analysis::AssignFavourGods(chart); }
void CBaZiEx::OrderScores() { analysis::OrderScores(chart); }
