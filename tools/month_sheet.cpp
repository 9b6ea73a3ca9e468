#include "tools/month_sheet.h"

#include <cstdio>

#include "engine/calendar/calendar_math.h"
#include "engine/calendar/lunar_text.h"
#include "engine/symbols/symbols.h"
#include "engine/calendar/term_names.h"

namespace wnl {

namespace {

// "立春4日20时40分": a term of the month with its day and time.
std::string TermText(int term, const CalDate& when) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%d日%d时%d分", kSolarTermNames[term], when.day, when.hour, when.minute);
    return text;
}

std::string PillarsText(const FourPillars& p) {
    return sym::PillarName(p.year) + "年\n" + sym::PillarName(p.month) + "月\n" + sym::PillarName(p.day) + "日\n" +
           sym::PillarName(p.hour) + "时";
}

}  // namespace

MomentFault CheckMoment(const CalDate& moment) {
    if (moment.year < kFirstYear || moment.year > kLastYear) return MomentFault::YearOutOfRange;
    if (moment.day < 1 || moment.day > calmath::MonthLength(moment.year, moment.month))
        return MomentFault::DayBeyondMonth;
    return MomentFault::None;
}

FourPillars MomentPillars(const CYiDate& cal, const CalDate& moment, bool termsChangeMonth) {
    constexpr bool kLateZi = false;
    if (termsChangeMonth) return PillarsOf(cal, moment, moment, kLateZi);
    CalDate lunar;
    cal.SolarToLunar(moment, lunar);
    // Lunar month 1 is the 寅 month (solar month 2), … 11 the 子 month (12)
    // and 12 the 丑 month (13); a leap month counts as its month.
    int solarMonth = (lunar.month + 1) % 12;
    if (solarMonth <= 1) solarMonth += 12;
    FourPillars p;
    p.year = YearPillarOfYear(lunar.year);
    p.month = MonthPillarInYear(solarMonth, p.year);
    p.day = DayPillarOf(cal, moment, kLateZi);
    p.hour = HourPillarOf(moment.hour, p.day, kLateZi);
    return p;
}

MonthSheet LayOutMonth(CYiDate& cal, const CalDate& moment, bool termsChangeMonth) {
    MonthSheet sheet;
    const int year = moment.year, month = moment.month;
    sheet.daysInMonth = calmath::MonthLength(year, month);
    CalDate first{moment.year, moment.month, 1, 0, 0};
    sheet.firstColumn = (cal.Weekday(first) + 6) % 7;

    CalDate jie, qi;
    cal.SolarTermOfMonth(year, month, 1, jie);
    cal.SolarTermOfMonth(year, month, 0, qi);
    const int jieTerm = 2 * month - 1, qiTerm = 2 * month;
    sheet.firstTerm = TermText(jieTerm, jie);
    sheet.secondTerm = TermText(qiTerm, qi);

    for (int d = 1; d <= sheet.daysInMonth; ++d) {
        int cell = sheet.firstColumn + d - 1;
        DayCell c{d, 1 + cell / kColumns, cell % kColumns, std::to_string(d), "", false};
        if (d == jie.day || d == qi.day) {
            c.termDay = true;
            c.upper += std::string(" ") + kSolarTermNames[d == jie.day ? jieTerm : qiTerm];
        }
        CalDate solar{moment.year, moment.month, static_cast<int16_t>(d), 0, 0}, lunar;
        bool leap = cal.SolarToLunar(solar, lunar);
        c.lower = LunarMonthDayText(cal, lunar, leap);
        sheet.days.push_back(c);
    }

    char title[32];
    std::snprintf(title, sizeof title, "%d年%d月", year, month);
    sheet.title = title;
    sheet.pillars = MomentPillars(cal, moment, termsChangeMonth);
    sheet.animal = std::string(sym::kAnimalNames[sym::BranchOf(sheet.pillars.year)]) + "年";
    sheet.pillarsText = PillarsText(sheet.pillars);
    return sheet;
}

std::string WeekdayHead(int column) { return std::string("星期") + sym::kWeekdayNames[(column + 1) % 7]; }

}  // namespace wnl
