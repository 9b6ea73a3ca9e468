// marivo-cli terms: the 24 solar terms of a year with their moments
// (standard time of 120° E).
#include <cstdio>

#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "engine/calendar/term_names.h"

namespace {

constexpr const char* kUsage = "terms YEAR [--json]";

int RunTerms(const Args& args) {
    CYiDate cal;
    bool json = false;
    std::string yearText;
    for (const std::string& a : args) {
        if (a == "--json") json = true;
        else if (yearText.empty()) yearText = a;
        else yearText = "?";
    }
    int year;
    if (yearText.empty() || yearText == "?") return UsageExit(kUsage);
    if (!ParseYear(yearText, year)) return ErrorExit(2, "年份必须在-850到2100年之间，并且没有公元0年");
    std::string out = json ? "[" : "";
    for (int term = 1; term <= 24; ++term) {
        CalDate when;
        cal.TermMoment(year, term, when);
        if (json) {
            out += (term > 1 ? "," : "") + std::string("{\"name\":") + JsonString(kSolarTermNames[term]) +
                   ",\"moment\":" + JsonString(IsoMoment(when)) + "}";
        } else {
            char line[96];
            std::snprintf(line, sizeof line, "%s %s %02d:%02d\n", kSolarTermNames[term], ChineseDate(when).c_str(),
                          when.hour, when.minute);
            out += line;
        }
    }
    if (json) out += "]\n";
    std::fputs(out.c_str(), stdout);
    return 0;
}

const CliRegistration reg{"terms", kUsage, RunTerms};

}  // namespace
