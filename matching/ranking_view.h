// What the partner ranking shows: the filters of the list, the short forms of
// each pair's findings, and the list as CSV (UTF-8 with BOM, for spreadsheet
// programs) and as plain text. Shared by the window and marivo-cli match.
#pragma once

#include <climits>
#include <string>
#include <vector>

#include "matching/partner_ranking.h"

namespace matching {

struct RankingFilter {
    int minIndex = 0;                             // 婚配指数 at least this
    int fromYear = INT_MIN, toYear = INT_MAX;     // birth year as users write it (1 BC is −1)
    std::string category;                         // UTF-8; empty: every category
    std::size_t top = 0;                          // at most this many rows; 0: all
};

// One row of the list: its rank within the filtered list (1 = best) and the
// person; rank 0 for a person who cannot be charted.
struct RankingRow {
    int rank;
    const Candidate* candidate;
};

// The ranked persons that pass the filter, best first, followed (when the
// filter asks for no minimum index) by those who cannot be charted and pass
// the other conditions.
std::vector<RankingRow> FilteredRows(const RankingResult& result, const RankingFilter& filter);

// The index as the report shows it: truncated to whole points.
int ShownIndex(const Candidate& c);
// A stored year as users write it: there is no year 0, 1 BC is −1.
int ShownYear(int storedYear);

std::string NameText(const Candidate& c);
std::string CategoryText(const Candidate& c);
std::string SexText(const Candidate& c);                 // 男 or 女
std::string BirthText(const Candidate& c);               // "1987-02-04 23:30", "农历1987-闰06-01 08:00"
std::string CaseText(const Candidate& c);                // "12甲命"
std::string YearPillarsText(const PairFacts& f);         // 天合地合, 相合, 相冲, 刑害 or 无害
std::string DayPillarsText(const PairFacts& f);          // e.g. 干合支冲, 无
std::string UsefulGodsText(const PairFacts& f);          // 生助 or 克害
std::string NineStarsText(const PairFacts& f);           // the pairing's name, or empty

// The list's last line: how many were compared, and what was passed over.
std::string SummaryLine(const RankingResult& result);

// The column captions, in order, and one row's cells (the index and the rank
// left empty for a person who cannot be charted, whose rank cell says 无法排盘).
std::vector<std::string> ColumnCaptions();
std::vector<std::string> RowCells(const RankingRow& row);

// The whole list with "\r\n" line ends: CSV begins with the UTF-8 byte-order
// mark; both end with the summary line.
std::string ListAsCsv(const std::vector<RankingRow>& rows, const RankingResult& result);
std::string ListAsText(const std::vector<RankingRow>& rows, const RankingResult& result);

}  // namespace matching
