#include "engine/chart/luck_pillars.h"

#include <cmath>

#include "engine/base/int_math.h"
#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"

LuckStart LuckStartOf(const CYiDate& calendar, bool forward, double birthJd, double prevJieJd,
                      double nextJieJd, const CalDate& solarTime) {
    // Both moments are whole minutes; rounding takes away the noise of the
    // day fractions, so the count is the exact number of minutes.
    long v = std::lround(((forward ? nextJieJd - birthJd : birthJd - prevJieJd)) * 1440);
    if (v < 0) v = 0;
    LuckStart s;
    s.years = static_cast<int>(v / 4320);
    s.months = static_cast<int>(v % 4320 / 360);
    s.days = static_cast<int>(v % 4320 % 360 / 12);
    // The months are added to the date before it becomes a day number, so
    // 31 January plus one month is "31 February", that is 2 or 3 March.
    CalDate d = solarTime;
    d.month = static_cast<int16_t>(d.month + s.months);
    if (d.month > 12) {
        d.month = static_cast<int16_t>(d.month - 12);
        ++d.year;
    }
    d.year = static_cast<int16_t>(d.year + s.years);
    calendar.JulianDayToDate(calendar.DateToJulianDay(d) + s.days, s.date);
    s.age = s.date.year - solarTime.year + 1;
    return s;
}

int LuckPillar(int monthPillar, int k, bool forward) {
    return intmath::Mod(forward ? monthPillar + k : monthPillar - k, 60);
}

std::string LuckPillarsText(const LuckStart& start, bool forward, int monthPillar, int dayStem,
                            int birthYear) {
    std::string t = Format("起大运周岁：%d岁 %d个月 %d天，", start.years, start.months, start.days);
    t += Format("每一交大运年 %d月 %d日起运(公历)。\r\n", start.date.month, start.date.day);
    std::string gods = "     ", pillars = "大运 ", stages = "     ", ages = "岁数 ", years = "年份 ";
    for (int k = 1; k <= 8; ++k) {
        int p = LuckPillar(monthPillar, k, forward);
        gods += std::string(sym::kTenGodShortNames[sym::TenGod(dayStem, sym::StemOf(p))]) + "    ";
        pillars += sym::PillarName(p) + "  ";
        stages += PadRight(sym::kGrowthStageNames[sym::GrowthStage(dayStem, sym::BranchOf(p))], 6);
        int age = start.age + 10 * (k - 1);
        ages += PadRight(std::to_string(age), 6);
        years += PadRight(std::to_string(DisplayYear(birthYear) + age - 1), 6);
    }
    return t + gods + "\r\n" + pillars + "\r\n" + stages + "\r\n" + ages + "\r\n" + years + "\r\n";
}
