// The lunar month and day as they are written: "正月初四", "闰四月十五",
// "十一月廿三".
#pragma once

#include <string>

#include "engine/calendar/CYiDate.h"

std::string LunarMonthDayText(CYiDate& cal, const CalDate& lunar, bool leap);
