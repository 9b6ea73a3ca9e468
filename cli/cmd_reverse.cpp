// marivo-cli reverse: the birth moments of four pillars, as the reverse
// search window finds them: the first at or after a start year, or every
// one from 850 BC to AD 2100.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/output.h"
#include "tools/reverse_search.h"

namespace {

constexpr const char* kUsage = "reverse 年柱 月柱 日柱 时柱 [--from YEAR] [--all]";

// "1984-02-04 00:05", the year as users write it (a leading '-' BC).
void PrintMoment(const CalDate& m) {
    int year = DisplayYear(m.year);
    std::printf("%s%04d-%02d-%02d %02d:%02d\n", year < 0 ? "-" : "", year < 0 ? -year : year, m.month, m.day, m.hour,
                m.minute);
}

struct ReverseOptions {
    std::vector<std::string> names;
    std::string from = "1950";
    bool all = false;
};

int RunReverse(const ReverseOptions& o) {
    const std::vector<std::string>& names = o.names;
    const std::string& from = o.from;
    const bool all = o.all;
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
        found = reverse::AllMatches(cal, check.pillars);
    } else if (auto first = reverse::FirstMatch(cal, check.pillars, reverse::AstronomicalYear(typed))) {
        found.push_back(*first);
    }
    if (found.empty()) return ErrorExit(1, reverse::kNoMatchText);
    for (const CalDate& m : found) PrintMoment(m);
    return 0;
}

CommandRun DefineReverse(CLI::App& command) {
    auto o = std::make_shared<ReverseOptions>();
    command.add_option("pillars", o->names, "年柱、月柱、日柱、时柱，如 甲子 丙寅 戊午 壬子")->type_name("年柱 月柱 日柱 时柱");
    command.add_option("--from", o->from, "从这一年起找第一个，默认 1950（公元前写负数）")->type_name("YEAR");
    command.add_flag("--all", o->all, "列出公元前850年到2100年的每一个");
    return [o] { return RunReverse(*o); };
}

const CliRegistration reg{"reverse", kUsage, "四柱反推出生时刻", DefineReverse};

}  // namespace
