// What a reading chapter reads: the analysed chart of one person, that
// person's birth record and the lunar day of birth. The chapters are free
// functions over this context, so that they can be tried on any chart; the
// engine's members ReadPersonality, ReadMarriage, ReadWifeStar and
// ReadHusbandStar hand them the working chart.
#pragma once

#include "engine/records.h"

struct ReadingContext {
    const ChartData& chart;
    const BirthData& person;  // `person` 0 甲命 / 1 乙命, `male`
    int lunarDay;             // 1..30
};
