// The lines at the head of one person's chart text: birth data, lunar date,
// the pillar block with ten gods and hidden stems, 胎元 and 命宫. The text
// is laid out for a fixed-width font in GBK byte columns (a Chinese
// character is 2 bytes); every line ends with "\r\n".
#pragma once

#include <string>

#include "engine/calendar/CYiDate.h"
#include "engine/symbols/records.h"

namespace chart_text {

// Name, birthplace (with longitude and latitude when the time basis is not
// the entered time), the entered clock time, the solar time when that is the
// basis, and the weekday. clockNote (a whole line, or empty) follows the
// line of the entered clock time.
std::string BirthLines(const BirthData& person, const CalDate& enteredTime, const CalDate& solarTime,
                       int timeBasis, int weekday, const std::string& clockNote);

// "出生农历：" with the year named by its pillar, the lunar month and day and
// the branch of the hour, followed by an empty line.
std::string LunarLine(CYiDate& calendar, int yearPillar, const CalDate& lunarDate, bool leap, int hour);

// The ten-god line, the pillar line or lines (pai 0: pillars as words, pai
// 1: stems over branches) with the empty branches, and the hidden stems with
// their ten gods. pillars: year, month, day, hour.
std::string PillarBlock(const int pillars[4], bool male, int pai);

// "☆胎元：…(na-yin)  命宫：…(na-yin)" and its line end.
std::string FetalOriginAndLifePalace(int fetalOrigin, int lifePalace);

}  // namespace chart_text
