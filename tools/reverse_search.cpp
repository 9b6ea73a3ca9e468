#include "tools/reverse_search.h"

#include <charconv>
#include <cstdio>

#include "engine/base/int_math.h"
#include "engine/symbols/symbols.h"
#include "engine/zones/clock_zone.h"

namespace reverse {

namespace {

using intmath::Mod;

constexpr int kLastYear = 2100;

// Solar month of a month branch, counted from 寅 = 2 up to 子 = 12 and 丑 = 13.
int SolarMonthOfBranch(int branch) { return Mod(branch - 3, 12) + 2; }

// An hour inside the 时 of a branch that does not change the day: 子 0,
// 丑 2, 寅 4 … 亥 22.
int HourOfBranch(int branch) { return branch == 0 ? 22 : 2 * branch - 2; }

bool SameParity(const StemBranch& p) {
    return p.stem >= 0 && p.stem <= 9 && p.branch >= 0 && p.branch <= 11 && p.stem % 2 == p.branch % 2;
}

int IndexOf(const char* const* names, int count, const std::string& name) {
    for (int i = 0; i < count; ++i)
        if (name == names[i]) return i;
    return -1;
}

// The moment of the wanted day and hour inside the month of year y that the
// wanted month branch names, if that month holds the wanted day.
std::optional<CalDate> MatchInYear(const CYiDate& cal, const FourPillars& wanted, int y) {
    // The 节 that opens the month: solar month t is opened by 节 t of the
    // year (立春 is 节 2, term 3), the 丑 month by the next year's 小寒.
    int t = SolarMonthOfBranch(sym::BranchOf(wanted.month));
    int termYear = t == 13 ? y + 1 : y;
    int term = 2 * (t == 13 ? 1 : t) - 1;
    CalDate opens, closes;
    cal.TermMoment(termYear, term, opens);
    cal.TermMoment(termYear, term + 2, closes);

    CalDate day{opens.year, opens.month, opens.day, 0, 0};
    int offset = Mod(wanted.day - DayPillarOf(cal, day, false), 60);
    CalDate moment;
    cal.JulianDayToDate(cal.DateToJulianDay(day) + offset, moment);
    moment.hour = static_cast<int16_t>(HourOfBranch(sym::BranchOf(wanted.hour)));
    moment.minute = 5;
    double jd = cal.DateToJulianDay(moment);
    if (jd < cal.DateToJulianDay(opens) || jd >= cal.DateToJulianDay(closes) || moment.year > kLastYear)
        return std::nullopt;
    return moment;
}

// The first year at or after `fromYear` whose year pillar is the wanted one.
int FirstCandidateYear(const FourPillars& wanted, int fromYear) {
    return fromYear + Mod(wanted.year - YearPillarOfYear(fromYear), 60);
}

}  // namespace

StemBranch PickedByName(const std::string& name) {
    // A stem and a branch are one Chinese character each, three bytes in UTF-8.
    if (name.size() != 6) return {-1, -1};
    return {IndexOf(sym::kStemNames, 10, name.substr(0, 3)), IndexOf(sym::kBranchNames, 12, name.substr(3))};
}

int TypedYear(const std::string& text) {
    size_t begin = text.find_first_not_of(' ');
    size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos) return kNotANumber;
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    if (*first == '+') ++first;
    int year = 0;
    auto [ptr, ec] = std::from_chars(first, last, year);
    return ec == std::errc() && ptr == last ? year : kNotANumber;
}

bool StartYearAccepted(int typedYear) { return typedYear > -1000 && typedYear <= kLastYear && typedYear != 0; }

bool StartYearSearchable(int typedYear) { return typedYear >= -850 && typedYear <= kLastYear && typedYear != 0; }

PillarCheck CheckPillars(const StemBranch (&picked)[4]) {
    PillarCheck check{-1, {}};
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        const StemBranch& p = picked[i];
        bool valid = SameParity(p);
        if (valid) numbers[i] = sym::CycleIndex(p.stem, p.branch);
        // The month stem follows from the year stem, the hour stem from the day stem.
        if (valid && i == 1) valid = MonthPillarInYear(SolarMonthOfBranch(p.branch), numbers[0]) == numbers[1];
        if (valid && i == 3) valid = HourPillarOf(HourOfBranch(p.branch), numbers[2], false) == numbers[3];
        if (!valid) {
            check.failed = i;
            return check;
        }
    }
    check.pillars = {numbers[0], numbers[1], numbers[2], numbers[3]};
    return check;
}

std::string InvalidPillarMessage(int pillar) { return std::string("不存在这个") + kPillarNames[pillar] + "柱！"; }

std::optional<CalDate> FirstMatch(const CYiDate& cal, const FourPillars& wanted, int fromYear) {
    for (int y = FirstCandidateYear(wanted, fromYear); y <= kLastYear; y += 60)
        if (auto moment = MatchInYear(cal, wanted, y)) return moment;
    return std::nullopt;
}

std::vector<CalDate> AllMatches(const CYiDate& cal, const FourPillars& wanted, int fromYear) {
    std::vector<CalDate> matches;
    for (int y = FirstCandidateYear(wanted, fromYear); y <= kLastYear; y += 60)
        if (auto moment = MatchInYear(cal, wanted, y)) matches.push_back(*moment);
    return matches;
}

std::string MatchText(const CalDate& moment) {
    char text[48];
    std::snprintf(text, sizeof text, "%d年%d月%d日%d时", DisplayYear(moment.year), moment.month, moment.day,
                  moment.hour);
    return text;
}

std::string SummerClockText(const CalDate& moment) {
    const clockzone::ZoneClock clock = clockzone::ClockOfStandardTime(clockzone::kBeijingZone, moment);
    if (clock.summerMinutes == 0) return {};
    return "（当时实行夏令时，钟表时间为 " + MatchText(clock.clock) + "）";
}

}  // namespace reverse
