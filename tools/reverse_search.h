// Reverse pillar search: from four pillars (year, month, day, hour) to the
// birth moments that carry them. The pillars must be able to stand together:
// each stem and branch of the same parity, the month stem following from the
// year stem (五虎遁) and the hour stem from the day stem (五鼠遁). The year
// pillar then repeats every sixty years; in each such year the wanted month
// is the one its 节 opens, and the wanted day is the one day of that month
// with the wanted day pillar, if the month holds it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/calendar/CYiDate.h"
#include "engine/chart/pillars.h"

namespace reverse {

// A pillar as picked: stem number 0..9 (0 癸, 1 甲 … 9 壬) and branch number
// 0..11 (0 亥, 1 子 … 11 戌).
struct StemBranch {
    int stem, branch;
};

// A pillar by its name, "甲子"; a part that is no stem or branch name gives
// −1, which fails the checks below.
StemBranch PickedByName(const std::string& name);

// Names of the four pillars in messages, in checking order.
inline constexpr const char* kPillarNames[4] = {"年", "月", "日", "时"};

inline constexpr const char* kStartYearMessage =
    "起始年必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120";
inline constexpr const char* kStartYearCaption = "年份错误";
inline constexpr const char* kInvalidPillarCaption = "无效的八字";
inline constexpr const char* kMatchHeading = "符合命例";
inline constexpr const char* kNoMatchText = "没有符合的八字，改变起始年反推，或许可以找到。";

// The start year as typed (users' numbering, −120 is 120 BC); a text that is
// not a whole number counts as kNotANumber.
inline constexpr int kNotANumber = -1000;
int TypedYear(const std::string& text);
// The check before the pillars are looked at: −1000 < year ≤ 2100, no year 0.
bool StartYearAccepted(int typedYear);
// The check of the search itself: −850 ≤ year ≤ 2100, no year 0.
bool StartYearSearchable(int typedYear);
// The stored year of a typed one: 1 BC (−1) is 0.
inline int AstronomicalYear(int typedYear) { return typedYear < 0 ? typedYear + 1 : typedYear; }

struct PillarCheck {
    int failed;           // −1 when the four pillars can stand together, else the first bad one (0 年 … 3 时)
    FourPillars pillars;  // their sexagenary numbers, when failed is −1
};
// Checks the pillars in order, each completely before the next.
PillarCheck CheckPillars(const StemBranch (&picked)[4]);
// "不存在这个月柱！"
std::string InvalidPillarMessage(int pillar);

// The first moment whose four pillars are `wanted`, in the first year at or
// after the astronomical year `fromYear` that carries the year pillar, or a
// year sixty, a hundred and twenty … years later, up to 2100. The moment is
// the start of the hour plus five minutes.
std::optional<CalDate> FirstMatch(const CYiDate& cal, const FourPillars& wanted, int fromYear);
// Every such moment from the astronomical year `fromYear` (850 BC, the
// calendar's first year, when not given) to AD 2100, in order.
inline constexpr int kEarliestYear = -849;
std::vector<CalDate> AllMatches(const CYiDate& cal, const FourPillars& wanted, int fromYear = kEarliestYear);

// "1984年2月4日0时", the year as users write it.
std::string MatchText(const CalDate& moment);

// For a moment (standard time of 120° E) in a mainland summer-time period,
// the clock time a birth certificate of that time shows:
// "（当时实行夏令时，钟表时间为 1988年7月1日11时）"; else empty.
std::string SummerClockText(const CalDate& moment);

}  // namespace reverse
