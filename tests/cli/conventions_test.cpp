// marivo-cli follows the conventions of command-line programs: --help for
// the program and each command on stdout with status 0, --version, and
// --opt=value as well as --opt value.
#include <string>

#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace {

TEST(CliConventions, HelpGoesToStdoutWithStatusZero) {
    struct Case { const char* args; const char* shows; };
    const Case cases[] = {
        {"--help", "命令:"},
        {"-h", "couple"},
        {"day --help", "用法: marivo-cli day"},
        {"couple --help", "--dir PROGRAM_FOLDER"},
        {"cases --help", "list"},
        {"cases find --help", "--years YEAR x 2"},
        {"reverse --help", "--from YEAR"},
        {"rtf-text --help", "FILE"},
    };
    for (const Case& c : cases) {
        CliRun r = RunCli(c.args);
        EXPECT_EQ(r.status, 0) << c.args;
        EXPECT_NE(r.out.find(c.shows), std::string::npos) << c.args << "\n" << r.out;
        EXPECT_TRUE(r.err.empty()) << c.args;
    }
    // every command is listed with its summary
    const std::string help = RunCli("--help").out;
    for (const char* command : {"cases", "couple", "day", "days", "reverse", "rtf-from-text", "rtf-text", "terms"})
        EXPECT_NE(help.find(std::string("  ") + command + " "), std::string::npos) << command;
}

TEST(CliConventions, VersionNamesTheProgram) {
    CliRun r = RunCli("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "marivo-cli " MARIVO_VERSION "\n");
}

TEST(CliConventions, OptionValuesMayFollowAnEqualsSign) {
    struct Case { const char* joined; const char* apart; };
    const Case cases[] = {
        {"days 1984-02-04 1984-02-05 --time=23:30 --json", "days 1984-02-04 1984-02-05 --time 23:30 --json"},
        {"reverse 甲子 丙寅 戊午 壬子 --from=-120", "reverse 甲子 丙寅 戊午 壬子 --from -120"},
        {"couple --a=date=1985-01-01,time=10:00 --b=date=1987-02-04,time=23:30 --json",
         "couple --a date=1985-01-01,time=10:00 --b date=1987-02-04,time=23:30 --json"},
    };
    for (const Case& c : cases) {
        CliRun joined = RunCli(c.joined), apart = RunCli(c.apart);
        EXPECT_EQ(joined.status, 0) << c.joined << joined.err;
        EXPECT_FALSE(joined.out.empty()) << c.joined;
        EXPECT_EQ(joined.out, apart.out) << c.joined;
    }
}

TEST(CliConventions, WrongArgumentsGiveTheUsageLineAndStatusTwo) {
    struct Case { const char* args; const char* message; };
    const Case cases[] = {
        {"", "用法：marivo-cli <命令> [参数]\n"},
        {"nosuchcommand", "用法：marivo-cli <命令> [参数]\n"},
        {"day 2000-01-01 12:00 extra", "用法：marivo-cli day YYYY-MM-DD [HH:MM] [--lunar [--leap]] [--clock local|standard]\n"},
        {"days 2000-01-01 2000-01-02 --time", "用法：marivo-cli days FROM TO [--time HH:MM] [--json]\n"},
        {"terms 1984 --xml", "用法：marivo-cli terms YEAR [--json]\n"},
    };
    for (const Case& c : cases) {
        CliRun r = RunCli(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_TRUE(r.err.starts_with(c.message)) << c.args << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
}

}  // namespace
