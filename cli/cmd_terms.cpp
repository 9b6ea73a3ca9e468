// marivo-cli terms: the 24 solar terms of a year with their moments
// (standard time of 120° E).
#include <cstdio>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "engine/calendar/term_names.h"

namespace {

constexpr const char* kUsage = "terms YEAR [--json]";

struct TermsOptions {
    std::string yearText;
    bool json = false;
};

int RunTerms(const TermsOptions& o) {
    CYiDate cal;
    const bool json = o.json;
    const std::string& yearText = o.yearText;
    int year;
    if (yearText.empty()) return UsageExit(kUsage);
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

CommandRun DefineTerms(CLI::App& command) {
    auto o = std::make_shared<TermsOptions>();
    command.add_option("year", o->yearText, "年份（公元前写负数，没有公元0年）")->type_name("YEAR");
    command.add_flag("--json", o->json, "一个 JSON 数组");
    return [o] { return RunTerms(*o); };
}

const CliRegistration reg{"terms", kUsage, "一年的二十四节气及其时刻", DefineTerms};

}  // namespace
