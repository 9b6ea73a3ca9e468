// marivo-cli rtf-text FILE: the plain text of an RTF report, as UTF-8 with
// "\n" line ends (for people with a library of saved reports, and for checks).
// marivo-cli rtf-from-text FILE.txt OUT.rtf: a plain-text report (GBK or
// UTF-8) as RTF, in the report view's font.
#include <cstdio>
#include <string>

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

int RunRtfText(const Args& args) {
    if (args.size() != 1) return Fail("rtf-text", "usage: rtf-text FILE");
    std::string bytes;
    if (!fileutil::ReadAll(args[0], bytes)) return Fail("rtf-text", "cannot read " + args[0]);
    richtext::RichDocument doc;
    if (!richtext::ReadRtf(bytes, doc)) return Fail("rtf-text", args[0] + " is not an RTF file");
    std::string text = richtext::PlainText(doc);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int RunRtfFromText(const Args& args) {
    if (args.size() != 2) return Fail("rtf-from-text", "usage: rtf-from-text FILE.txt OUT.rtf");
    std::string bytes;
    if (!fileutil::ReadAll(args[0], bytes)) return Fail("rtf-from-text", "cannot read " + args[0]);
    richtext::RichDocument doc = richtext::DocumentFromText(richtext::DecodeTextFile(bytes));
    if (!richtext::SaveReportRtf(args[1], doc)) return Fail("rtf-from-text", "cannot write " + args[1]);
    return 0;
}

const CliRegistration kRtfText{"rtf-text", "rtf-text FILE", RunRtfText};
const CliRegistration kRtfFromText{"rtf-from-text", "rtf-from-text FILE.txt OUT.rtf", RunRtfFromText};

}  // namespace
