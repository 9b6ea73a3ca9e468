// marivo-cli match: 择偶排行, every person of the opposite sex in the case
// library ranked by the marriage index they would make with one person.
//
//   match --a SPEC [--dir PROGRAM_FOLDER] [--category NAME]... [--top N]
//         [--min-index K] [--json|--csv]
//
// SPEC as for couple (engine/chart/birth_spec.h); the case store and the settings are
// those of PROGRAM_FOLDER (default: the data folder the window uses). Text and CSV
// (UTF-8 with byte-order mark) end with the summary line; --json writes one
// object per line, best first, then those who cannot be charted (rank and
// index null), with the summary on stderr. While it runs on a terminal the
// progress is shown on stderr.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <memory>
#include <thread>
#include <vector>

#include <CLI/CLI.hpp>

#include "engine/chart/birth_spec.h"
#include "engine/places/place_list.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "cli/program_folder.h"
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

// The arguments as they were given.
struct MatchOptions {
    std::string spec, folder, top, minIndex;
    std::vector<std::string> categories;
    bool json = false, csv = false;
};

int RunMatch(const MatchOptions& o) {
    RankingRequest request;
    request.programFolder = o.folder.empty() ? UserProgramFolder() : o.folder;
    request.categories = o.categories;
    RankingFilter filter;
    if (o.spec.empty() || (o.json && o.csv)) return UsageExit(kUsage);
    if (!o.top.empty()) {
        int top;
        if (!ParseCount(o.top, 1, 100000000, top)) return ErrorExit(2, "--top: 无效的数目 \"" + o.top + "\"");
        filter.top = static_cast<std::size_t>(top);
    }
    if (!o.minIndex.empty() && !ParseCount(o.minIndex, 0, 99, filter.minIndex))
        return ErrorExit(2, "--min-index: 无效的指数 \"" + o.minIndex + "\"（0到99）");
    std::string error;
    const IniDocument placeFile = IniDocument::Load(places::PlaceFilePath(request.programFolder));
    if (!ParseSpec(o.spec, 0, placeFile, request.person, error)) return ErrorExit(2, "--a: " + error);

    RankingResult result = RankShowingProgress(request);
    if (!result.ok) return ErrorExit(result.error == "案例库中没有案例" ? 1 : 2, result.error);
    std::vector<RankingRow> rows = FilteredRows(result, filter);
    std::string out;
    if (o.json) {
        for (const RankingRow& row : rows) out += RowJson(row);
        std::fprintf(stderr, "%s\n", SummaryLine(result).c_str());
    } else {
        out = o.csv ? ListAsCsv(rows, result) : UnixLines(ListAsText(rows, result));
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return rows.empty() ? 1 : 0;
}

CommandRun DefineMatch(CLI::App& command) {
    auto o = std::make_shared<MatchOptions>();
    command.add_option("--a", o->spec, "要找对象的人，写法同 couple 的 --a")->type_name("SPEC");
    command.add_option("--dir", o->folder, "程序文件夹（命例库和设置），默认与窗口相同")->type_name("PROGRAM_FOLDER");
    command.add_option("--category", o->categories, "只排这些类别的命例，可给多次")->type_name("NAME");
    command.add_option("--top", o->top, "只列前 N 名")->type_name("N");
    command.add_option("--min-index", o->minIndex, "只列婚配指数不低于 K 的")->type_name("K");
    command.add_flag("--json", o->json, "每人一行 JSON（JSON Lines），最好的在前");
    command.add_flag("--csv", o->csv, "CSV（UTF-8，带 BOM）");
    return [o] { return RunMatch(*o); };
}

const CliRegistration reg{"match", kUsage, "择偶排行：命例库中每个异性与此人的婚配指数，由高到低", DefineMatch};

}  // namespace
