// marivo-cli match, run as a user runs it, against the ranking service on
// the small library.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/json_writer.h"
#include "matching/partner_ranking.h"
#include "matching/ranking_view.h"
#include "tests/cli/cli_runner.h"
#include "tests/common/temp_folder.h"
#include "tests/matching/library_fixture.h"

namespace {

using namespace matching;

const std::string kChosen = "--a 'name=求偶者,date=1984-03-15,time=09:40'";

class MatchCommandTest : public ::testing::Test {
protected:
    void SetUp() override { fixture::WriteLibrary(Folder(), "[set]\r\nidate=1\r\n"); }
    std::string Folder() const { return root_.Path("prog"); }
    CliRun Match(const std::string& args) { return RunCli("match " + kChosen + " --dir " + ShellQuoted(Folder()) + " " + args); }

    RankingResult Service() {
        RankingRequest request;
        request.programFolder = Folder();
        request.person = fixture::Chosen();
        return RankPartners(request);
    }

    TempFolder root_;
};

// The object the command writes for a row, up to the short findings.
std::string Expected(const RankingRow& row) {
    const Candidate& c = *row.candidate;
    std::string head = c.charted ? "{\"rank\":" + std::to_string(row.rank) + ",\"index\":" + std::to_string(ShownIndex(c)) +
                                       ",\"score\":" + JsonFloat(c.index)
                                 : std::string("{\"rank\":null,\"index\":null,\"score\":null");
    return head + ",\"number\":" + std::to_string(c.number) + ",\"side\":\"" + (c.side ? "b" : "a") +
           "\",\"name\":" + JsonString(NameText(c)) + ",\"sex\":\"女\",\"birth\":" + JsonString(BirthText(c)) +
           ",\"category\":" + JsonString(CategoryText(c)) + ",";
}

TEST_F(MatchCommandTest, JsonIsTheServicesRankingLineByLine) {
    CliRun r = Match("--json");
    ASSERT_EQ(r.status, 0) << r.err;
    RankingResult service = Service();
    std::vector<RankingRow> rows = FilteredRows(service, RankingFilter{});
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(lines[i].rfind(Expected(rows[i]), 0), 0u) << lines[i];
    EXPECT_NE(lines.back().find("\"status\":\"无法排盘\"}"), std::string::npos);
    EXPECT_EQ(r.err, SummaryLine(service) + "\n");
}

TEST_F(MatchCommandTest, TopMinimumIndexAndCategory) {
    RankingResult service = Service();
    CliRun r = Match("--json --top 3");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u);  // three ranked, then who cannot be charted
    EXPECT_EQ(lines[2].rfind("{\"rank\":3,", 0), 0u);

    int k = ShownIndex(service.ranked[5]);
    r = Match("--json --min-index " + std::to_string(k));
    for (const std::string& line : Lines(r.out)) {
        int index = std::stoi(line.substr(line.find("\"index\":") + 8));
        EXPECT_GE(index, k);
    }

    r = Match("--json --category 朋友");
    ASSERT_EQ(r.status, 0);
    for (const std::string& line : Lines(r.out)) EXPECT_NE(line.find("\"category\":\"朋友\""), std::string::npos) << line;
}

TEST_F(MatchCommandTest, CsvAndText) {
    RankingResult service = Service();
    std::vector<RankingRow> rows = FilteredRows(service, RankingFilter{});
    CliRun r = Match("--csv");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, ListAsCsv(rows, service));
    r = Match("");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("名次\t婚配指数\t姓名", 0), 0u);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_TRUE(r.out.ends_with(SummaryLine(service) + "\n"));
}

TEST_F(MatchCommandTest, BadInput) {
    struct Case {
        std::string args;
        int status;
        std::string err;
    } cases[] = {
        {"--json --csv", 2, "用法：marivo-cli match"},
        {"--top 0", 2, "--top: 无效的数目 \"0\""},
        {"--min-index 100", 2, "--min-index: 无效的指数 \"100\"（0到99）"},
        {"--frobnicate", 2, "用法：marivo-cli match"},
    };
    for (const Case& c : cases) {
        CliRun r = Match(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << c.args << ": " << r.err;
    }
    CliRun r = RunCli("match --a 'date=1984-04-31,time=09:40' --dir " + ShellQuoted(Folder()));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "不存在这个日期\n");
    r = RunCli("match " + kChosen + " --dir " + ShellQuoted(root_.Path("none")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "案例库中没有案例\n");
}

}  // namespace
