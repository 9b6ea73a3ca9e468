// What a report says beyond the charts themselves: each person's reading
// chapters and the comparison of the couple with its marriage index. The
// reading layer above the engine provides them (StandardReadings), so that
// the chart engine holds no reading text of its own.
#pragma once

#include <string>

#include "engine/symbols/records.h"

// What a reading chapter reads: the analysed chart of one person, that
// person's birth record and the lunar day of birth.
struct ReadingContext {
    const ChartData& chart;
    const BirthData& person;  // `person` 0 甲命 / 1 乙命, `male`
    int lunarDay;             // 1..30
};

struct CoupleComparison {
    float index;
    std::string section;  // "婚姻配对分析：…", "\r\n" line ends
};

class ChartReadings {
public:
    virtual ~ChartReadings() = default;
    // The personality chapter with its closing line.
    virtual std::string Personality(const ReadingContext& context) const = 0;
    // The marriage chapter with its closing line.
    virtual std::string Marriage(const ReadingContext& context) const = 0;
    // bonus: the optional 10 points of 婚配指数高分制.
    virtual CoupleComparison CompareCouple(const ChartData& a, bool maleA, const ChartData& b, bool maleB,
                                           bool bonus) const = 0;
};
