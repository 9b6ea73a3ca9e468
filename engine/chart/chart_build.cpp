// One person's chart: the birth moment, the four pillars, the luck pillars,
// 胎元 and 命宫, the chart header text and the pillar records.
#include <cmath>

#include "engine/chart/CBaZiEx.h"
#include "engine/chart/chart_header_text.h"
#include "engine/chart/chart_rules.h"
#include "engine/base/int_math.h"
#include "engine/chart/luck_pillars.h"
#include "engine/chart/pillars.h"
#include "engine/symbols/symbols.h"

using intmath::Mod;

namespace {

constexpr const char* kYearRangeMessage =
    "年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120";

bool InDroppedDays(const BirthData& b) { return b.year == 1582 && b.month == 10 && b.day >= 5 && b.day <= 14; }

// 胎元: the month pillar one stem and three branches on.
int FetalOriginOf(int monthPillar) {
    return sym::CycleIndex((sym::StemOf(monthPillar) + 1) % 10, (sym::BranchOf(monthPillar) + 3) % 12);
}

// 命宫 from the month number m (1 for the 寅 month … 12 for the 丑 month) and
// the hour branch; its stem follows the year stem as the months do.
int LifePalaceOf(int m, int hourPillar, int yearPillar) {
    int branch = (Mod(2 - m, 12) + Mod(4 - sym::BranchOf(hourPillar), 12)) % 12;
    int stem = (Mod(branch - 3, 12) + 2 * (sym::StemOf(yearPillar) % 5) + 1) % 10;
    return sym::CycleIndex(stem, branch);
}

// What each stem and branch is to the day master, and the counts of the
// ten gods and their groups among the stems and the hidden stems.
void FillPillarRecords(ChartData& c) {
    const int pillars[4] = {c.yearPillar, c.monthPillar, c.dayPillar, c.hourPillar};
    int dayStem = sym::StemOf(c.dayPillar);
    int monthElement = sym::kBranchElement[sym::BranchOf(c.monthPillar)];
    for (int i = 0; i < 4; ++i) {
        int stem = sym::StemOf(pillars[i]);
        int branch = sym::BranchOf(pillars[i]);
        StemInfo& s = c.stemInfo[i];
        if (i == 2) {
            s.god = s.group = 255;
        } else {
            s.god = static_cast<uint8_t>(sym::TenGod(dayStem, stem));
            s.group = s.god / 2;
            ++c.stemGodCount[s.god];
            ++c.stemGroupCount[s.group];
        }
        s.growth = static_cast<uint8_t>(sym::GrowthStage(stem, branch));
        s.season = static_cast<uint8_t>(sym::SeasonalState(sym::kStemElement[stem], monthElement));

        BranchInfo& b = c.branchInfo[i];
        b.god = static_cast<uint8_t>(sym::TenGod(dayStem, sym::kBranchMainStem[branch]));
        b.group = b.god / 2;
        ++c.branchGodCount[b.god];
        ++c.branchGroupCount[b.group];
        b.season = static_cast<uint8_t>(sym::SeasonalState(sym::kBranchElement[branch], monthElement));
        int count = sym::HiddenStemCount(branch);
        for (int h = 0; h < 3; ++h) {
            if (h >= count) {
                b.hiddenGod[h] = b.hiddenGroup[h] = 255;
                continue;
            }
            b.hiddenGod[h] = static_cast<uint8_t>(sym::TenGod(dayStem, sym::HiddenStem(branch, h)));
            b.hiddenGroup[h] = b.hiddenGod[h] / 2;
            ++c.hiddenGodCount[b.hiddenGod[h]];
            ++c.hiddenGroupCount[b.hiddenGroup[h]];
        }
    }
}

}  // namespace

bool CBaZiEx::ConvertBirthDate() {
    errorText.clear();
    CalDate entered{current.year, current.month, current.day, current.hour, current.minute};
    if (current.hour < 0 || current.hour > 23 || current.minute < 0 || current.minute > 59) {
        errorText = "不存在这个日期";
        return false;
    }
    if (current.lunar) {
        if (!calendar.LunarToSolar(entered, solarTime, current.leap != 0, errorText)) return false;
        if (!InSupportedYears(solarTime.year)) {
            errorText = "时间越界，年份在-850到2100之间";
            return false;
        }
    } else {
        if (!calendar.IsValidSolarDate(entered)) {
            errorText = "不存在这个日期";
            return false;
        }
        solarTime = entered;
    }
    // A damaged record may hold coordinates that are no place on earth: they
    // count as no place given.
    if (!(std::fabs(current.longitude) <= 180)) current.longitude = 120.0f;
    if (!(std::fabs(current.latitude) <= 90)) current.latitude = 30.0f;
    // The clocks of the birthplace may have kept summer time or another
    // zone's time: the chart is cast in standard time of 120° E.
    if (!localclock) {
        birthClock = UncorrectedClock(solarTime);
    } else if (!CorrectedClock(clockzone::ZoneOfProvince(current.province), solarTime, birthClock, errorText)) {
        return false;
    }
    solarTime = birthClock.standard;
    clockTime = solarTime;
    birthJd = calendar.DateToJulianDay(clockTime);
    if (idate != 0) calendar.ToSolarTime(current.longitude, solarTime, idate);
    // With the late-子 option off, 23:00 already belongs to the next day.
    CalDate d = solarTime;
    if (d.hour == 23 && !zishi) calendar.NextDay(d);
    if (!InSupportedYears(d.year)) {
        errorText = "公、农历正常转换年份在-850到2100之间";
        return false;
    }
    current.leap = calendar.SolarToLunar(d, lunarDate) ? 1 : 0;
    return true;
}

bool CBaZiEx::BuildChart() {
    if (!InSupportedYears(current.year)) {
        errorText = kYearRangeMessage;
        return false;
    }
    if (!current.lunar && InDroppedDays(current)) {
        errorText = "不存在1582-10-5到1582-10-14这10天时间。";
        return false;
    }
    if (!ConvertBirthDate()) return false;
    std::string& t = sectionText;
    // The weekday is that of the date on its line: the entered one, or the
    // solar time when that is shown.
    const CalDate& weekdayDate = idate != 0 ? solarTime : birthClock.entered;
    if (writeText)
        t += chart_text::BirthLines(current, birthClock.entered, solarTime, idate, calendar.Weekday(weekdayDate),
                                    ClockNoteLine(birthClock));

    chart.yearPillar = static_cast<int16_t>(YearPillarOf(calendar, clockTime));
    if (writeText) t += chart_text::LunarLine(calendar, chart.yearPillar, lunarDate, current.leap != 0, solarTime.hour);
    MonthPillar month = MonthPillarOf(calendar, clockTime, chart.yearPillar);
    chart.monthPillar = static_cast<int16_t>(month.pillar);
    chart.dayPillar = static_cast<int16_t>(DayPillarOf(calendar, solarTime, zishi != 0));
    chart.hourPillar = static_cast<int16_t>(HourPillarOf(solarTime.hour, chart.dayPillar, zishi != 0));
    const int pillars[4] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
    if (writeText) t += chart_text::PillarBlock(pillars, current.male != 0, pai);
    for (int i = 0; i < 4; ++i) chart.nayin[i] = sym::kNayinElements[sym::NayinPair(pillars[i])];

    bool forward = RunsForward(current.male != 0, chart.yearPillar);
    LuckStart luck = LuckStartOf(calendar, forward, birthJd, month.prevJieJd, month.nextJieJd, solarTime);
    luckStartAge = static_cast<int16_t>(luck.age);
    chart.luckStartAge = static_cast<uint8_t>(luck.age);
    if (writeText) t += LuckPillarsText(luck, forward, chart.monthPillar, sym::StemOf(chart.dayPillar), solarTime.year);

    chart.fetalOrigin = static_cast<uint8_t>(FetalOriginOf(chart.monthPillar));
    int m = sym::BranchOf(chart.monthPillar) - 2;
    if (mgong == 1) {
        // The month counted from the 中气 instead of the 节.
        CalDate qi;
        int c = calendar.SolarTermOfMonth(clockTime.year, clockTime.month, 0, qi);
        m = birthJd >= calendar.DateToJulianDay(qi) ? c : c - 1;
    }
    if (m < 1) m += 12;
    chart.lifePalace = static_cast<uint8_t>(LifePalaceOf(m, chart.hourPillar, chart.yearPillar));
    if (writeText) t += chart_text::FetalOriginAndLifePalace(chart.fetalOrigin, chart.lifePalace);

    FillPillarRecords(chart);
    MarkStars();
    int slot = current.person == 1 ? 1 : 0;
    chartText[slot] = t;
    moments[slot] = BirthMoments{clockTime, solarTime, lunarDate, current.leap, birthClock};
    AnalyseChart();
    return true;
}

bool CBaZiEx::BuildIndexChart(const BirthData& birth, ChartData& out) {
    haveCouple = false;
    coupleMode = 1;
    current = birth;
    chart = ChartData{};
    sectionText.clear();
    writeText = false;
    bool built = BuildChart();
    writeText = true;
    if (built) out = chart;
    return built;
}
