// Dates and times in and out of the calendar commands. Years are
// typed and shown as users write them, without a year 0 (−1 is 1 BC), and
// kept astronomically (1 BC is 0).
#pragma once

#include <string>

#include "engine/calendar/CYiDate.h"
#include "engine/calendar/lunar_text.h"  // LunarMonthDayText
#include "engine/chart/birth_spec.h"  // ParseDateFields, ParseTime, ParseYear

// "YYYY-MM-DD" (a leading '-' for years BC) into an astronomical date; false
// with the calendar's message when it is no valid date of −850..2100.
bool ParseSolarDate(const CYiDate& cal, const std::string& text, CalDate& date, std::string& message);
// The value of --clock: "local" (the birthplace's clock time, summer time
// deducted) or "standard" (standard time of 120° E).
bool ParseClock(const std::string& text, bool& localClock);

// "2000-02-04" and "2000-02-04 20:40" with the astronomical year (JSON).
std::string IsoDate(const CalDate& d);
std::string IsoMoment(const CalDate& d);
// "2000年2月4日" with the year as users write it.
std::string ChineseDate(const CalDate& d);
