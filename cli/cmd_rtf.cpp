// marivo-cli rtf-text FILE: the plain text of an RTF report, as UTF-8 with
// "\n" line ends (for people with a library of saved reports, and for checks).
// marivo-cli rtf-from-text FILE.txt OUT.rtf: a plain-text report (GBK or
// UTF-8) as RTF, in the report view's font.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/output.h"
#include "engine/base/file_util.h"
#include "richtext/plain_text.h"
#include "richtext/report_file.h"
#include "richtext/rtf_reader.h"

namespace {

int Fail(const char* command, const std::string& message) {
    return ErrorExit(2, std::string(command) + ": " + message);
}

using Files = std::vector<std::string>;

int RunRtfText(const Files& args) {
    if (args.size() != 1) return Fail("rtf-text", "用法：rtf-text FILE");
    std::string bytes;
    if (!fileutil::ReadAll(args[0], bytes)) return Fail("rtf-text", "无法读取 " + args[0]);
    richtext::RichDocument doc;
    if (!richtext::ReadRtf(bytes, doc)) return Fail("rtf-text", args[0] + " 不是RTF文件");
    std::string text = richtext::PlainText(doc);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int RunRtfFromText(const Files& args) {
    if (args.size() != 2) return Fail("rtf-from-text", "用法：rtf-from-text FILE.txt OUT.rtf");
    std::string bytes;
    if (!fileutil::ReadAll(args[0], bytes)) return Fail("rtf-from-text", "无法读取 " + args[0]);
    richtext::RichDocument doc = richtext::DocumentFromText(richtext::DecodeTextFile(bytes));
    if (!richtext::SaveReportRtf(args[1], doc)) return Fail("rtf-from-text", "无法写入 " + args[1]);
    return 0;
}

CommandRun DefineRtfText(CLI::App& command) {
    auto files = std::make_shared<Files>();
    command.add_option("file", *files, "RTF 命稿文件")->type_name("FILE");
    return [files] { return RunRtfText(*files); };
}

CommandRun DefineRtfFromText(CLI::App& command) {
    auto files = std::make_shared<Files>();
    command.add_option("files", *files, "纯文本命稿（GBK 或 UTF-8）和要写的 RTF 文件")->type_name("FILE.txt OUT.rtf");
    return [files] { return RunRtfFromText(*files); };
}

const CliRegistration kRtfText{"rtf-text", "rtf-text FILE", "RTF 命稿的纯文本", DefineRtfText};
const CliRegistration kRtfFromText{"rtf-from-text", "rtf-from-text FILE.txt OUT.rtf", "把纯文本命稿写成 RTF",
                                   DefineRtfFromText};

}  // namespace
