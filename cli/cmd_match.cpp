// marivo-cli match: 择偶排行, every person of the opposite sex in the case
// library ranked by the marriage index they would make with one person.
//
//   match --a SPEC [--dir PROGRAM_FOLDER] [--category NAME]... [--top N]
//         [--min-index K] [--json|--csv]
//
// SPEC as for couple (engine/chart/birth_spec.h); the case store and the settings are
// those of PROGRAM_FOLDER (default: the folder of marivo-cli). Text and CSV
// (UTF-8 with byte-order mark) end with the summary line; --json writes one
// object per line, best first, then those who cannot be charted (rank and
// index null), with the summary on stderr. While it runs on a terminal the
// progress is shown on stderr.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "engine/chart/birth_spec.h"
#include "engine/places/place_list.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "engine/base/file_util.h"
#include "matching/partner_ranking.h"
#include "matching/ranking_view.h"

namespace {

using namespace matching;

constexpr const char* kUsage =
    "match --a SPEC [--dir PROGRAM_FOLDER] [--category NAME]... [--top N] [--min-index K] [--json|--csv]";

// A whole decimal number within [low, high].
bool ParseCount(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::stoi(text);
    return value >= low && value <= high;
}

std::string RowJson(const RankingRow& row) {
    const Candidate& c = *row.candidate;
    auto field = [](const char* key, const std::string& value) { return std::string(",\"") + key + "\":" + value; };
    std::string out = std::string("{\"rank\":") + (c.charted ? std::to_string(row.rank) : "null");
    out += field("index", c.charted ? std::to_string(ShownIndex(c)) : "null");
    out += field("score", c.charted ? JsonFloat(c.index) : "null");
    out += field("number", std::to_string(c.number));
    out += field("side", c.side == 0 ? "\"a\"" : "\"b\"");
    out += field("name", JsonString(NameText(c)));
    out += field("sex", JsonString(SexText(c)));
    out += field("birth", JsonString(BirthText(c)));
    out += field("category", JsonString(CategoryText(c)));
    if (c.charted) {
        out += field("yearPillars", JsonString(YearPillarsText(c.facts)));
        out += field("dayPillars", JsonString(DayPillarsText(c.facts)));
        out += field("usefulGods", JsonString(UsefulGodsText(c.facts)));
        out += field("nineStars", JsonString(NineStarsText(c.facts)));
    } else {
        out += field("status", JsonString("无法排盘"));
    }
    return out + "}\n";
}

// Runs the ranking, showing "已读 n/m 个案例" on stderr when it is a terminal.
RankingResult RankShowingProgress(const RankingRequest& request) {
    RankingControl control;
    RankingResult result;
    std::atomic<bool> finished{false};
    std::jthread ranking([&] {
        result = RankPartners(request, &control);
        finished = true;
    });
    if (isatty(STDERR_FILENO)) {
        while (!finished) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            std::fprintf(stderr, "\r已读 %d/%d 个案例", control.slotsDone.load(), control.slotsTotal.load());
        }
        std::fputs("\n", stderr);
    }
    ranking.join();
    return result;
}

int RunMatch(const Args& args) {
    RankingRequest request;
    request.programFolder = fileutil::ProgramFolder();
    RankingFilter filter;
    std::string spec;
    bool json = false, csv = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--json") json = true;
        else if (a == "--csv") csv = true;
        else if (a == "--a" && hasValue) spec = args[++i];
        else if (a == "--dir" && hasValue) request.programFolder = args[++i];
        else if (a == "--category" && hasValue) request.categories.push_back(args[++i]);
        else if (a == "--top" && hasValue) {
            int top;
            if (!ParseCount(args[++i], 1, 100000000, top)) return ErrorExit(2, "--top: invalid count \"" + args[i] + "\"");
            filter.top = static_cast<std::size_t>(top);
        } else if (a == "--min-index" && hasValue) {
            if (!ParseCount(args[++i], 0, 99, filter.minIndex))
                return ErrorExit(2, "--min-index: invalid index \"" + args[i] + "\" (0 to 99)");
        } else return UsageExit(kUsage);
    }
    if (spec.empty() || (json && csv)) return UsageExit(kUsage);
    std::string error;
    const IniDocument placeFile = IniDocument::Load(places::PlaceFilePath(request.programFolder));
    if (!ParseSpec(spec, 0, placeFile, request.person, error)) return ErrorExit(2, "--a: " + error);

    RankingResult result = RankShowingProgress(request);
    if (!result.ok) return ErrorExit(result.error == "案例库中没有案例" ? 1 : 2, result.error);
    std::vector<RankingRow> rows = FilteredRows(result, filter);
    std::string out;
    if (json) {
        for (const RankingRow& row : rows) out += RowJson(row);
        std::fprintf(stderr, "%s\n", SummaryLine(result).c_str());
    } else {
        out = csv ? ListAsCsv(rows, result) : UnixLines(ListAsText(rows, result));
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return rows.empty() ? 1 : 0;
}

const CliRegistration reg{"match", kUsage, RunMatch};

}  // namespace
