#include "matching/ranking_view.h"

#include "engine/base/gbk_codec.h"
#include "engine/base/text_format.h"

namespace matching {

namespace {

bool Passes(const Candidate& c, const RankingFilter& filter) {
    int year = ShownYear(c.year);
    if (year < filter.fromYear || year > filter.toYear) return false;
    return filter.category.empty() || CategoryText(c) == filter.category;
}

// A CSV cell, quoted when it holds a comma, a quote or a line end.
std::string CsvCell(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char ch : cell) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + "\"";
}

}  // namespace

std::vector<RankingRow> FilteredRows(const RankingResult& result, const RankingFilter& filter) {
    std::vector<RankingRow> rows;
    int rank = 0;
    for (const Candidate& c : result.ranked) {
        if (filter.top && rows.size() >= filter.top) break;
        if (ShownIndex(c) < filter.minIndex || !Passes(c, filter)) continue;
        rows.push_back({++rank, &c});
    }
    if (filter.minIndex > 0) return rows;
    for (const Candidate& c : result.unchartable)
        if (Passes(c, filter)) rows.push_back({0, &c});
    return rows;
}

int ShownIndex(const Candidate& c) { return static_cast<int>(c.index); }

int ShownYear(int storedYear) { return storedYear <= 0 ? storedYear - 1 : storedYear; }

std::string NameText(const Candidate& c) { return gbk::ReadField(c.name); }
std::string CategoryText(const Candidate& c) { return gbk::ReadField(c.category); }
std::string SexText(const Candidate& c) { return c.male ? "男" : "女"; }

std::string BirthText(const Candidate& c) {
    std::string month = Format(c.lunar && c.leap ? "闰%02d" : "%02d", static_cast<int>(c.month));
    return Format("%s%d-%s-%02d %02d:%02d", c.lunar ? "农历" : "", ShownYear(c.year), month.c_str(),
                  static_cast<int>(c.day), static_cast<int>(c.hour), static_cast<int>(c.minute));
}

std::string CaseText(const Candidate& c) { return std::to_string(c.number) + (c.side == 0 ? "甲命" : "乙命"); }

std::string YearPillarsText(const PairFacts& f) {
    // The verdicts of the comparison's year-pillar line.
    switch (f.yearBranches) {
        case 2: return f.yearStems >= 0 ? "天合地合" : "相合";
        case 1: return "相冲";
        case 0:
        case 3:
        case 5: return "刑害";
        default: return "无害";
    }
}

std::string DayPillarsText(const PairFacts& f) {
    static const char* const kBranches[6] = {"支自刑", "支冲", "支合", "支害", "支半合", "支刑"};
    std::string text = f.dayStems >= 0 ? "干合" : "";
    if (f.dayBranches >= 0 && f.dayBranches < 6) text += kBranches[f.dayBranches];
    return text.empty() ? "无" : text;
}

std::string UsefulGodsText(const PairFacts& f) { return f.harmonious >= 4 - f.harmonious ? "生助" : "克害"; }

std::string NineStarsText(const PairFacts& f) { return f.nineStars ? f.nineStars : ""; }

std::string SummaryLine(const RankingResult& r) {
    std::string line = Format("共比较%d人，无法排盘%d人，重复%d人只计一次，跳过已删除案例%d个、损坏记录%d个", r.compared,
                              static_cast<int>(r.unchartable.size()), r.duplicates, r.deleted, r.damaged);
    return r.cancelled ? line + "（已取消，排行不完整）" : line;
}

std::vector<std::string> ColumnCaptions() {
    return {"名次", "婚配指数", "姓名", "性别", "出生时间", "类别", "案例", "生年", "日柱", "喜用神", "九星"};
}

std::vector<std::string> RowCells(const RankingRow& row) {
    const Candidate& c = *row.candidate;
    if (!c.charted)
        return {"无法排盘", "", NameText(c), SexText(c), BirthText(c), CategoryText(c), CaseText(c), "", "", "", ""};
    return {std::to_string(row.rank), std::to_string(ShownIndex(c)), NameText(c), SexText(c), BirthText(c),
            CategoryText(c), CaseText(c), YearPillarsText(c.facts), DayPillarsText(c.facts), UsefulGodsText(c.facts),
            NineStarsText(c.facts)};
}

std::string ListAsCsv(const std::vector<RankingRow>& rows, const RankingResult& result) {
    std::string out = "\xEF\xBB\xBF";
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) out += (i ? "," : "") + CsvCell(cells[i]);
        out += "\r\n";
    };
    line(ColumnCaptions());
    for (const RankingRow& row : rows) line(RowCells(row));
    out += CsvCell(SummaryLine(result)) + "\r\n";
    return out;
}

std::string ListAsText(const std::vector<RankingRow>& rows, const RankingResult& result) {
    // One tab between cells keeps the columns of an empty cell.
    std::string out;
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) out += (i ? "\t" : "") + cells[i];
        out += "\r\n";
    };
    line(ColumnCaptions());
    for (const RankingRow& row : rows) line(RowCells(row));
    out += SummaryLine(result) + "\r\n";
    return out;
}

}  // namespace matching
