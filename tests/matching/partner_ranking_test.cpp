// The partner ranking of a small library against the full couple report of
// every pair, the duplicate rule, damaged and deleted records, the filters
// and the exports.
#include "matching/partner_ranking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "library_fixture.h"
#include "matching/ranking_view.h"
#include "tests/common/temp_folder.h"

namespace {

using namespace matching;

// True solar time and the late 子 hour make the charts depend on the place
// and the settings as well.
constexpr const char* kSettings = "[set]\r\nidate=1\r\nzishi=1\r\nbiange=1\r\n";

class PartnerRankingTest : public ::testing::Test {
protected:
    void SetUp() override { fixture::WriteLibrary(Folder(), kSettings); }
    std::string Folder() const { return root_.Path("prog"); }

    RankingResult Rank(BirthData person, std::vector<std::string> categories = {}) {
        RankingRequest request;
        request.programFolder = Folder();
        request.person = person;
        request.categories = std::move(categories);
        request.threads = 3;  // more threads than batches: some wait in vain
        return RankPartners(request);
    }

    // Every person of the opposite sex of every live, whole case, with the
    // index of the full couple report (0 when it cannot be computed).
    std::map<std::pair<int, int>, float> FullReports(const BirthData& chosen) {
        std::map<std::pair<int, int>, float> indexes;
        CBaZiEx engine(Folder(), StandardReadings());
        engine.showReport = 0;
        for (int k = 0; k < fixture::kCutShort; ++k) {
            if (k == 4 || k == 17 || k == 29) continue;
            CaseRecord r = fixture::CaseOf(k);
            const CasePerson* persons[2] = {&r.a, &r.b};
            for (int side = 0; side < 2; ++side) {
                if ((persons[side]->male != 0) == (chosen.male != 0)) continue;
                BirthData a = chosen, b = BirthDataFrom(*persons[side], 1);
                indexes[{k, side}] = engine.ComputeCouple(a, b) ? engine.MarriageIndex() : -1;
            }
        }
        return indexes;
    }

    TempFolder root_;
};

TEST_F(PartnerRankingTest, EveryIndexIsTheFullReportsIndex) {
    for (bool male : {true, false}) {
        BirthData chosen = fixture::Chosen();
        chosen.male = male ? 1 : 0;
        RankingResult r = Rank(chosen);
        ASSERT_TRUE(r.ok) << r.error;
        std::map<std::pair<int, int>, float> full = FullReports(chosen);

        std::size_t listed = 0;
        for (const Candidate& c : r.ranked) {
            ASSERT_TRUE(full.count({c.number, c.side})) << c.number;
            EXPECT_EQ(c.index, full[std::make_pair(c.number, int(c.side))]) << c.number << " " << int(c.side);
            EXPECT_NE(c.male != 0, male);
            ++listed;
        }
        for (const Candidate& c : r.unchartable) EXPECT_EQ(full[std::make_pair(c.number, int(c.side))], -1) << c.number;
        listed += r.unchartable.size();
        // Everyone but the second copy of the woman stored twice.
        EXPECT_EQ(listed + (male ? 1 : 0), full.size());
        for (std::size_t i = 1; i < r.ranked.size(); ++i) EXPECT_GE(r.ranked[i - 1].index, r.ranked[i].index);
        EXPECT_EQ(r.compared, static_cast<int>(r.ranked.size()) + (male ? 1 : 0));
    }
}

TEST_F(PartnerRankingTest, SkipsDeletedAndDamagedAndListsWhatCannotBeCharted) {
    RankingResult r = Rank(fixture::Chosen());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.deleted, 3);
    EXPECT_EQ(r.damaged, 1);
    ASSERT_EQ(r.unchartable.size(), 1u);
    EXPECT_EQ(r.unchartable[0].number, fixture::kBadDate);
    EXPECT_EQ(r.unchartable[0].side, 1);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(SummaryLine(r), "共比较" + std::to_string(r.compared) +
                                  "人，无法排盘1人，重复1人只计一次，跳过已删除案例3个、损坏记录1个");
}

TEST_F(PartnerRankingTest, APersonStoredTwiceCountsOnceUnderTheFirstCase) {
    RankingResult r = Rank(fixture::Chosen());
    EXPECT_EQ(r.duplicates, 1);
    int copies = 0;
    for (const Candidate& c : r.ranked)
        if (c.number == fixture::kTwiceFirst || c.number == fixture::kTwiceAgain) {
            if (c.side == 1) EXPECT_EQ(c.number, fixture::kTwiceFirst);
            copies += c.side == 1;
        }
    EXPECT_EQ(copies, 1);
}

TEST_F(PartnerRankingTest, ChosenCategoriesOnly) {
    RankingResult all = Rank(fixture::Chosen());
    RankingResult friends = Rank(fixture::Chosen(), {"朋友"});
    ASSERT_TRUE(friends.ok);
    ASSERT_FALSE(friends.ranked.empty());
    std::size_t expected = 0;
    for (const Candidate& c : all.ranked) expected += CategoryText(c) == "朋友";
    EXPECT_EQ(friends.ranked.size(), expected);
    for (const Candidate& c : friends.ranked) EXPECT_EQ(c.number % 3, 0);
}

TEST_F(PartnerRankingTest, FiltersKeepTheOrder) {
    RankingResult r = Rank(fixture::Chosen());
    RankingFilter filter;
    std::vector<RankingRow> rows = FilteredRows(r, filter);
    ASSERT_EQ(rows.size(), r.ranked.size() + 1);
    EXPECT_EQ(rows.back().rank, 0);  // 无法排盘 last

    filter.minIndex = ShownIndex(r.ranked[r.ranked.size() / 2]);
    for (const RankingRow& row : FilteredRows(r, filter)) {
        EXPECT_GE(ShownIndex(*row.candidate), filter.minIndex);
        EXPECT_TRUE(row.candidate->charted);
    }
    filter = RankingFilter{};
    filter.fromYear = 1950;
    filter.toYear = 1979;
    filter.category = "客户";
    int rank = 0;
    for (const RankingRow& row : FilteredRows(r, filter)) {
        EXPECT_GE(row.candidate->year, 1950);
        EXPECT_LE(row.candidate->year, 1979);
        EXPECT_EQ(CategoryText(*row.candidate), "客户");
        if (row.rank) EXPECT_EQ(row.rank, ++rank);
    }
    filter = RankingFilter{};
    filter.top = 5;
    rows = FilteredRows(r, filter);
    EXPECT_EQ(rows[4].rank, 5);
    EXPECT_EQ(rows[4].candidate, &r.ranked[4]);
}

TEST_F(PartnerRankingTest, ExportsAsCsvWithByteOrderMarkAndAsText) {
    RankingResult r = Rank(fixture::Chosen());
    std::vector<RankingRow> rows = FilteredRows(r, RankingFilter{});
    std::string csv = ListAsCsv(rows, r);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF名次,婚配指数,姓名,性别,出生时间,类别,案例,生年,日柱,喜用神,九星\r\n", 0), 0u);
    const Candidate& best = r.ranked[0];
    std::string first = "1," + std::to_string(ShownIndex(best)) + "," + NameText(best) + ",女," + BirthText(best);
    EXPECT_NE(csv.find("\r\n" + first + ","), std::string::npos);
    EXPECT_NE(csv.find("\r\n无法排盘,,乙11,女,2003-02-30 07:07,客户,11乙命,,,,\r\n"), std::string::npos);
    EXPECT_TRUE(csv.ends_with(SummaryLine(r) + "\r\n"));

    std::string text = ListAsText(rows, r);
    EXPECT_EQ(text.rfind("名次\t婚配指数\t姓名", 0), 0u);
    std::replace(first.begin(), first.end(), ',', '\t');
    EXPECT_NE(text.find("\r\n" + first + "\t"), std::string::npos);
}

TEST_F(PartnerRankingTest, CancellingStopsAndWritesNothing) {
    std::string before;
    fileutil::ReadAll(Folder() + "/dat/bazi0.dat", before);
    RankingRequest request;
    request.programFolder = Folder();
    request.person = fixture::Chosen();
    RankingControl control;
    control.cancel = true;
    RankingResult r = RankPartners(request, &control);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(SummaryLine(r).ends_with("（已取消，排行不完整）"));
    std::string after;
    fileutil::ReadAll(Folder() + "/dat/bazi0.dat", after);
    EXPECT_EQ(before, after);
}

TEST_F(PartnerRankingTest, NoStoreAndAnUnchartablePersonAreErrors) {
    RankingRequest request;
    request.programFolder = root_.Path("empty");
    request.person = fixture::Chosen();
    RankingResult r = RankPartners(request);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "案例库中没有案例");
    EXPECT_FALSE(std::filesystem::exists(root_.Path("empty/dat")));

    request.programFolder = Folder();
    request.person.day = 31;
    request.person.month = 4;
    r = RankPartners(request);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "不存在这个日期");
}

}  // namespace
