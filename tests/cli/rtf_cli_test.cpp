// marivo-cli rtf-text and rtf-from-text, run as the separate program.
#include <gtest/gtest.h>

#include "engine/base/file_util.h"
#include "tests/cli/cli_runner.h"
#include "tests/common/temp_folder.h"

namespace {

class RtfCliTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return dir_.Path(name); }

    // Runs marivo-cli with the arguments (already quoted); returns the exit
    // status and keeps what it wrote.
    int Run(const std::string& arguments) {
        last_ = RunCli(arguments);
        return last_.status;
    }
    const std::string& Output() const { return last_.out; }
    const std::string& Errors() const { return last_.err; }

    TempFolder dir_;
    CliRun last_{};
};

TEST_F(RtfCliTest, TextFileToRtfAndBack) {
    ASSERT_TRUE(fileutil::WriteAtomically(Path("report.txt"), "\xBC\xD7\xC3\xFC\xB0\xCB\xD7\xD6\r\nline 2\r\n"));
    ASSERT_EQ(Run("rtf-from-text " + Path("report.txt") + " " + Path("report.rtf")), 0);
    std::string rtf;
    ASSERT_TRUE(fileutil::ReadAll(Path("report.rtf"), rtf));
    EXPECT_NE(rtf.find("\\'bc\\'d7\\'c3\\'fc"), std::string::npos);

    ASSERT_EQ(Run("rtf-text " + Path("report.rtf")), 0);
    EXPECT_EQ(Output(), "甲命八字\nline 2\n");
}

TEST_F(RtfCliTest, BadInputGivesStatusTwo) {
    ASSERT_TRUE(fileutil::WriteAtomically(Path("plain.txt"), "no rtf"));
    const std::string cases[] = {
        "rtf-text " + Path("plain.txt"),
        "rtf-text " + Path("missing.rtf"),
        "rtf-text",
        "rtf-from-text " + Path("missing.txt") + " " + Path("x.rtf"),
        "rtf-from-text " + Path("plain.txt") + " " + Path("no/folder/x.rtf"),
    };
    for (const std::string& args : cases) {
        EXPECT_EQ(Run(args), 2) << args;
        EXPECT_TRUE(Errors().ends_with('\n')) << args;
    }
}

}  // namespace
