// The chart engine: from two birth records to both charts, the couple
// comparison, the marriage index and one report text. The engine never
// touches a widget: it leaves the report text, its style spans and the
// content of the chart picture for the window to render.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/calendar/CYiDate.h"
#include "engine/chart/chart_readings.h"
#include "engine/symbols/records.h"
#include "engine/chart/report_style.h"
#include "engine/zones/birth_clock.h"

// One person's birth moments as the last computation converted them.
struct BirthMoments {
    CalDate clockTime;  // the birth in standard time of 120° E (the entered time, corrected for its zone when asked)
    CalDate solarTime;  // clockTime moved to true solar or local mean time when asked
    CalDate lunarDate;  // the lunar date of the chart's day
    uint8_t leap;       // 1 when lunarDate lies in a leap month
    BirthClock clock;   // the entered clock time and its zone, summer time and offset
};

class CBaZiEx {
public:
    // programFolder: the folder of the program, where dat/bzinit.ini and
    // dat/EndInfo.txt are found; readings: the chapters and the comparison
    // that the report adds to the charts (StandardReadings()).
    CBaZiEx(std::string programFolder, const ChartReadings& readings);
    ~CBaZiEx();
    CBaZiEx(const CBaZiEx&) = delete;
    CBaZiEx& operator=(const CBaZiEx&) = delete;

    // 甲命 first, 乙命 second. On false `errorText` holds the reason.
    bool ComputeCouple(BirthData& a, BirthData& b);
    // Re-analysis of both stored charts with the user's useful-god settings;
    // only after a successful ComputeCouple.
    void RecomputeWithSettings(const UsefulGodSettings& a, const UsefulGodSettings& b);
    void ReadUsefulGodSettings(UsefulGodSettings& a, UsefulGodSettings& b) const;
    void LastPillars(uint8_t out[4]) const;
    bool PromptSaveSetting() const { return save != 0; }

    // What the window shows after a computation: `report` (emptied again by
    // FormatReportView, which moves it into `viewText`), the styling of
    // `viewText`, the first-line indent (setting `leftpos`) and the content
    // of the chart picture. With `showReport` 0 the view fields are left as
    // they are and `report` keeps the text; the picture is filled always.
    std::string errorText;
    std::string report;
    uint8_t showReport = 1;
    std::string viewText;
    std::vector<StyleSpan> viewSpans;
    int viewLeftIndent = 0;
    ChartPicture picture;
    // When set, wins over the settings file's "localclock" (the command
    // line's --clock local|standard).
    std::optional<bool> localClockOverride;

    // Both stored charts and inputs, valid after a successful ComputeCouple.
    const ChartData& Chart(int person) const { return charts[person]; }
    const BirthData& Input(int person) const { return inputs[person]; }
    const BirthMoments& Moments(int person) const { return moments[person]; }
    float MarriageIndex() const { return marriageIndex; }

    // Many persons against one (the partner ranking): ReadSettings once, then
    // BuildIndexChart per person gives the very chart ComputeCouple builds
    // for that birth, with no chart text and no readings, which the marriage
    // index never reads. Invalidates what the last ComputeCouple left; false
    // (errorText set) when the birth cannot be charted.
    void ReadSettings() { ReadEngineSettings(); }
    bool BuildIndexChart(const BirthData& birth, ChartData& out);
    // The setting 婚配指数高分制 as last read.
    bool IndexBonus() const { return bscore != 0; }

private:
    friend class CBaZiExProbe;  // the engine tests reach the single steps through it

    void ReadEngineSettings();

    // Chart construction and the chart header text.
    bool BuildChart();
    bool ConvertBirthDate();

    // Spirit stars, relations and special days.
    void MarkStars();
    void StarsOfPillar(int pillar, int index);
    void FindRelations();
    int LifeNumber(int year, int month, int day) const;

    // Element strength, day-master strength and useful god.
    void AnalyseChart();
    void ScoreChart();
    void JudgeStrength();
    int FindSpecialPattern(uint8_t gods[5]);
    void AssignFavourGods();
    void OrderScores();

    // Element power and relations text.
    void WriteElementPower();
    void WriteRelations();

    // Reading chapters and the couple comparison with the marriage index.
    void ReadPersonality();
    void ReadMarriage();
    void CompareCouple();

    // The end of every computation.
    void AssembleReportTail();
    void FormatReportView();
    void DrawChartPicture();

    std::string programFolder_;
    const ChartReadings& readings_;

    uint8_t coupleMode = 0;
    CYiDate calendar;
    std::string sectionText;
    std::string readingsText;
    std::string chartText[2];
    CalDate solarTime{};
    CalDate lunarDate{};
    CalDate clockTime{};
    BirthClock birthClock{};
    int16_t luckStartAge = 0;
    double birthJd = 0;
    BirthData current{};
    BirthData inputs[2]{};
    // Settings of section "set", read anew at every computation.
    uint8_t endinfo = 0, zishi = 0, biange = 1, mgong = 0, pai = 0, idate = 0, save = 0;
    int32_t leftpos = 0;
    uint8_t bscore = 0;
    uint8_t localclock = 1;  // the entered time is the birthplace's clock time (summer time deducted)
    ChartData chart{};
    ChartData charts[2]{};
    float marriageIndex = 0;
    UsefulGodSettings userSettings{};
    BirthMoments moments[2]{};
    bool haveCouple = false;  // both charts and texts of a successful ComputeCouple are held
    bool writeText = true;    // false while building a chart for the index alone
};
