// marivo-cli cases, run as a separate program on a program folder of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cases/MDataBase.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "tests/cli/cli_runner.h"
#include "tests/common/temp_folder.h"

namespace {

namespace fs = std::filesystem;

class CasesCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = root_.Path("prog") + "/";
        fs::create_directories(folder_ + "dat");
        ASSERT_TRUE(store_.Open(folder_, 0));
        Add("张三", "同事", 1990, true, "备注:\r\n\"好\"");
        Add("李四", "同学", 0, false, "x");
        Add("张小丽", "同事", 1985, false, "y");
        ASSERT_TRUE(store_.DeleteCase(1));
    }

    void Add(const char* name, const char* category, int16_t year, bool male, const char* note) {
        CaseRecord r{};
        gbk::WriteField(r.a.name, name);
        gbk::WriteField(r.category, category);
        gbk::WriteField(r.note, note);
        r.a.year = year;
        r.a.month = 5;
        r.a.day = 3;
        r.a.hour = 12;
        r.a.minute = 30;
        r.a.lunar = 1;
        r.a.male = male ? 1 : 0;
        r.a.province = 10;
        r.a.city = 2;
        r.a.longitude = 120.5f;
        r.a.latitude = 30.25f;
        gbk::WriteField(r.a.place, "浙江-杭州");
        gbk::WriteField(r.b.name, "乙");
        r.b.year = 1992;
        r.b.male = male ? 0 : 1;
        gbk::WriteField(r.b.place, "未知");
        ASSERT_GE(store_.AddCase(r), 0);
    }

    static CliRun Cli(const std::string& args) { return RunCli("cases " + args); }
    std::string Dir() const { return "--dir " + ShellQuoted(folder_); }

    TempFolder root_;
    std::string folder_;
    MDataBase store_;
};

TEST_F(CasesCliTest, ListGivesOneJsonObjectPerLiveCase) {
    CliRun run = Cli(Dir() + " list --json");
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "{\"number\":0,\"deleted\":false,\"category\":\"同事\",\"note\":\"备注:\\r\\n\\\"好\\\"\","
              "\"a\":{\"name\":\"张三\",\"year\":1990,\"month\":5,\"day\":3,\"hour\":12,\"minute\":30,"
              "\"lunar\":true,\"leap\":false,\"male\":true,\"province\":10,\"city\":2,"
              "\"longitude\":120.5,\"latitude\":30.25,\"place\":\"浙江-杭州\"},"
              "\"b\":{\"name\":\"乙\",\"year\":1992,\"month\":0,\"day\":0,\"hour\":0,\"minute\":0,"
              "\"lunar\":false,\"leap\":false,\"male\":false,\"province\":0,\"city\":0,"
              "\"longitude\":0,\"latitude\":0,\"place\":\"未知\"}}");
    EXPECT_EQ(lines[1].substr(0, 13), "{\"number\":2,\"");

    CliRun all = Cli(Dir() + " list --all --json");
    ASSERT_EQ(all.status, 0);
    lines = Lines(all.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[1].find("\"number\":1,\"deleted\":true"), std::string::npos);
    EXPECT_NE(lines[1].find("\"year\":0,"), std::string::npos);  // stored astronomically
}

TEST_F(CasesCliTest, ListAsATable) {
    CliRun run = Cli(Dir() + " list --all");
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 14), "number  state ");
    EXPECT_NE(lines[1].find("张三 男 农1990-5-3 12:30 浙江-杭州"), std::string::npos);
    EXPECT_NE(lines[2].find("deleted"), std::string::npos);
    EXPECT_NE(lines[2].find("农-1-5-3"), std::string::npos);  // 1 BC as users write it
}

TEST_F(CasesCliTest, FindTakesEveryCondition) {
    struct Case { std::string args; int status; std::vector<std::string> numbers; };
    const Case cases[] = {
        {"", 0, {"0", "2"}},
        {"--name 张", 0, {"0", "2"}},
        {"--name 张三 --name-exact", 0, {"0"}},
        {"--name-exact --name 张", 1, {}},
        {"--category 同 --sex 女", 0, {"2"}},
        {"--category 同事 --category-exact --years 1980 1989", 0, {"2"}},
        {"--years -1 -1", 1, {}},  // the deleted case is never found
        {"--province 10 --sex 男", 0, {"0"}},
        {"--province 11", 1, {}},
    };
    for (const Case& c : cases) {
        CliRun run = Cli(Dir() + " find " + c.args + " --json");
        EXPECT_EQ(run.status, c.status) << c.args << run.err;
        std::vector<std::string> numbers;
        for (const std::string& line : Lines(run.out))
            numbers.push_back(line.substr(10, line.find(',') - 10));
        EXPECT_EQ(numbers, c.numbers) << c.args;
    }
}

TEST_F(CasesCliTest, BadInputIsRefusedWithStatusTwo) {
    const std::string bare = root_.Path("bare");
    fs::create_directories(bare);
    const std::string cases[] = {
        "--dir",
        "--dir " + ShellQuoted(bare) + " list",
        Dir() + " sort",
        Dir() + " list --deleted",
        Dir() + " find --years 0 1980",
        Dir() + " find --years 2101 2101",
        Dir() + " find --years 1980 1970",
        Dir() + " find --years 1980",
        Dir() + " find --sex 男女",
        Dir() + " find --province abc",
        Dir() + " find --name 一二三四五六",
        Dir() + " find --name",
        Dir() + " export",
        Dir() + " import " + ShellQuoted(folder_ + "dat/bazi0.dat"),
        Dir() + " import " + ShellQuoted(bare + "/bazi0.dat"),
    };
    for (const std::string& args : cases) {
        CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_FALSE(run.err.empty()) << args;
        EXPECT_TRUE(run.err.ends_with('\n')) << args;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    EXPECT_EQ(store_.CaseCount(), 3);  // the refused import left the store alone
}

TEST_F(CasesCliTest, ExportAndImportCarryTheWholeLibrary) {
    ASSERT_TRUE(fileutil::WriteAtomically(store_.ReportFile(0), "{\\rtf1 }"));
    const std::string backup = root_.Path("backup");
    CliRun exported = Cli(Dir() + " export " + ShellQuoted(backup));
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_NE(exported.out.find("1 个数据文件和 1 个命稿文件"), std::string::npos) << exported.out;

    const std::string other = root_.Path("other") + "/";
    fs::create_directories(other + "dat");
    const std::string otherDir = "--dir " + ShellQuoted(other);
    CliRun imported = Cli(otherDir + " import " + ShellQuoted(backup + "/bazi0.dat"));
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(Cli(otherDir + " list --all --json").out, Cli(Dir() + " list --all --json").out);
    EXPECT_TRUE(fs::exists(other + "bazi_f/0.rtf"));
}

}  // namespace
