// The luck pillars (大运): when the first one begins and the text of the
// eight of them. Three days between the birth and the 节 that the count
// runs to are one year of age, six hours one month, twelve minutes one day.
#pragma once

#include <string>

#include "engine/calendar/CYiDate.h"
#include "engine/symbols/records.h"

struct LuckStart {
    int years, months, days;  // the age at the start
    CalDate date;             // the solar date of the start
    int age;                  // nominal age (虚岁) of the first luck pillar
};

// forward: counting to the next 节 (else back to the previous one).
// birthJd: the clock time of birth; solarTime: the chart's solar-time date,
// from which the start date is counted.
LuckStart LuckStartOf(const CYiDate& calendar, bool forward, double birthJd, double prevJieJd,
                      double nextJieJd, const CalDate& solarTime);

// Luck pillar k = 1..8: the month pillar stepped k times along the cycle.
int LuckPillar(int monthPillar, int k, bool forward);

// "起大运周岁：…" and the five rows of the eight luck pillars: ten god of the
// stem, the pillar, the day master's growth stage on its branch, the age and
// the year (birthYear: the stored solar year of birth).
std::string LuckPillarsText(const LuckStart& start, bool forward, int monthPillar, int dayStem,
                            int birthYear);
