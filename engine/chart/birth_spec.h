// A person's birth data typed as text, as the command line and the batch
// reports take it. Years are written as users write them, without a year 0
// (−1 is 1 BC), and kept astronomically (1 BC is 0).
#pragma once

#include <string>

#include "engine/base/ini_file.h"
#include "engine/symbols/records.h"

// A year as users write it (−850 … 2100, no 0), into the astronomical year.
bool ParseYear(const std::string& text, int& year);
// "YYYY-MM-DD" (a leading '-' for years BC) into an astronomical date,
// without checking it against the calendar (so it also reads a lunar date).
bool ParseDateFields(const std::string& text, CalDate& date);
// "HH:MM".
bool ParseTime(const std::string& text, CalDate& date);

// One person's SPEC, comma-separated key=value: date=YYYY-MM-DD (required),
// time=HH:MM (required), name (default 某人, at most 10 GBK bytes),
// sex=男|女 (default 男 for person 0, 女 for person 1), cal=公历|农历
// (default 公历), leap=0|1 (default 0), lon and lat in decimal degrees
// (default 120 and 30), place (default 未知, the province "未知地", or
// "province-city" of the place file, which sets the province and city). A
// name GBK cannot hold is refused. False with `error` naming the fault.
bool ParseSpec(const std::string& spec, int person, const IniDocument& placeFile, BirthData& b,
               std::string& error);
