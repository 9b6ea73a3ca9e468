// The month sheet of the perpetual calendar: one Gregorian month of 1900–2050
// laid out Monday first under a row of weekday names, with the lunar date
// under every day, the month's 节 and 中气, and the four pillars of the
// selected moment.
#pragma once

#include <string>
#include <vector>

#include "engine/calendar/CYiDate.h"
#include "engine/chart/pillars.h"

namespace wnl {

inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2050;

// The sheet is 7 columns (0 Monday … 6 Sunday) by 7 rows; row 0 holds the
// weekday names, the days fill rows 1 to 6.
inline constexpr int kColumns = 7;
inline constexpr int kRows = 7;

struct DayCell {
    int day;
    int row, column;
    std::string upper;  // the day, "15"; on the day of a term "6 小寒"
    std::string lower;  // its lunar date, "闰二月初五", "正月十五"
    bool termDay;
};

struct MonthSheet {
    int daysInMonth;
    int firstColumn;  // column of the 1st
    std::vector<DayCell> days;
    std::string title;       // "2000年2月"
    std::string animal;      // "龙年", the animal of the year pillar
    std::string firstTerm;   // the month's 节, "立春4日20时40分"
    std::string secondTerm;  // its 中气, "雨水19日16时33分"
    FourPillars pillars;
    std::string pillarsText;  // "庚辰年\n戊寅月\n…日\n…时"
};

enum class MomentFault { None, YearOutOfRange, DayBeyondMonth };

// Whether a moment can be shown: a year of 1900–2050 and a day of its month.
MomentFault CheckMoment(const CalDate& moment);

// The pillars of a moment of 1900–2050. With termsChangeMonth (节气换月) the
// year turns at 立春 and the month at each 节; without, year and month follow
// the lunar date (the first lunar month is the 寅 month). Either way 23:00
// already belongs to the next day and its 子 hour.
FourPillars MomentPillars(const CYiDate& cal, const CalDate& moment, bool termsChangeMonth);

// The sheet of the moment's month; the moment must pass CheckMoment.
MonthSheet LayOutMonth(CYiDate& cal, const CalDate& moment, bool termsChangeMonth);

// "星期一" … "星期日" for columns 0 … 6.
std::string WeekdayHead(int column);

}  // namespace wnl
