// marivo-cli reverse: the birth moments of four pillars, as the reverse
// search window finds them: the first at or after a start year, or every
// one up to AD 2100, from the start year when one is given and from 850 BC
// otherwise.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/output.h"
#include "engine/zones/clock_zone.h"
#include "tools/reverse_search.h"

namespace {

constexpr const char* kUsage = "reverse 年柱 月柱 日柱 时柱 [--from YEAR] [--all]";

// "1984-02-04 00:05", the year as users write it (a leading '-' BC); for a
// moment in a summer-time period the clock time follows:
// "1988-07-01 10:05 夏令时钟表 1988-07-01 11:05".
void PrintMoment(const CalDate& m) {
    auto print = [](const CalDate& d) {
        int year = DisplayYear(d.year);
        std::printf("%s%04d-%02d-%02d %02d:%02d", year < 0 ? "-" : "", year < 0 ? -year : year, d.month, d.day, d.hour,
                    d.minute);
    };
    print(m);
    const clockzone::ZoneClock clock = clockzone::ClockOfStandardTime(clockzone::kBeijingZone, m);
    if (clock.summerMinutes != 0) {
        std::printf(" 夏令时钟表 ");
        print(clock.clock);
    }
    std::printf("\n");
}

int RunReverse(const Args& args) {
    std::vector<std::string> names;
    std::string from = "1950";
    bool fromGiven = false;
    bool all = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--all") all = true;
        else if (args[i] == "--from" && i + 1 < args.size()) from = args[++i], fromGiven = true;
        else if (args[i].rfind("--", 0) != 0) names.push_back(args[i]);
        else return UsageExit(kUsage);
    }
    if (names.size() != 4) return UsageExit(kUsage);

    // The checks of the window, in its order.
    int typed = reverse::TypedYear(from);
    if (!reverse::StartYearAccepted(typed)) return ErrorExit(2, reverse::kStartYearMessage);
    reverse::StemBranch picked[4];
    for (int i = 0; i < 4; ++i) picked[i] = reverse::PickedByName(names[i]);
    reverse::PillarCheck check = reverse::CheckPillars(picked);
    if (check.failed >= 0) return ErrorExit(2, reverse::InvalidPillarMessage(check.failed));
    if (!reverse::StartYearSearchable(typed)) return ErrorExit(2, reverse::kStartYearMessage);

    CYiDate cal;
    std::vector<CalDate> found;
    if (all) {
        int start = fromGiven ? reverse::AstronomicalYear(typed) : reverse::kEarliestYear;
        found = reverse::AllMatches(cal, check.pillars, start);
    } else if (auto first = reverse::FirstMatch(cal, check.pillars, reverse::AstronomicalYear(typed))) {
        found.push_back(*first);
    }
    if (found.empty()) return ErrorExit(1, reverse::kNoMatchText);
    for (const CalDate& m : found) PrintMoment(m);
    return 0;
}

const CliRegistration reg{"reverse", kUsage, RunReverse};

}  // namespace
