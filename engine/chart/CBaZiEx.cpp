#include "engine/chart/CBaZiEx.h"

#include <algorithm>

#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "engine/base/ini_file.h"
#include "engine/base/int_math.h"
#include "engine/symbols/symbols.h"

namespace {

// The maker's web address, printed in the closing line of every report.
constexpr const char* kMakerAddress = "https://example.org/marivo";

constexpr const char* kSeparatorLine =
    "-----------------------------------------------------------------------\r\n";

// The lines of a text file (GBK on disk), each followed by "\r\n". A final
// line end does not start another line.
std::string LinesOfFile(const std::string& path) {
    std::string bytes;
    if (!fileutil::ReadAll(path, bytes)) return {};
    std::string text = gbk::ToUtf8(bytes);
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::size_t lineEnd = end > pos && text[end - 1] == '\r' ? end - 1 : end;
        out.append(text, pos, lineEnd - pos);
        out += "\r\n";
        pos = end + 1;
    }
    return out;
}

// A block from the useful-god dialog, brought into the ranges the analysis
// indexes its tables with.
UsefulGodSettings Sanitised(UsefulGodSettings s) {
    for (int16_t& g : s.group) g = static_cast<int16_t>(intmath::Mod(g, 5));
    s.strengthClass = std::min<uint8_t>(s.strengthClass, 6);
    s.dayStem = static_cast<int16_t>(intmath::Mod(s.dayStem, 10));
    return s;
}

}  // namespace

CBaZiEx::CBaZiEx(std::string programFolder, const ChartReadings& readings)
    : programFolder_(std::move(programFolder)), readings_(readings) {}

CBaZiEx::~CBaZiEx() = default;

void CBaZiEx::ReadEngineSettings() {
    IniDocument ini = IniDocument::Load(fileutil::Join(programFolder_, "dat/bzinit.ini"));
    zishi = ini.ReadBool("set", "zishi", false);
    biange = ini.ReadBool("set", "biange", true);
    mgong = ini.ReadInteger("set", "mgong", 0) == 1 ? 1 : 0;
    endinfo = ini.ReadBool("set", "endinfo", false);
    pai = ini.ReadInteger("set", "pai", 0) != 0 ? 1 : 0;
    // Only 1 (true solar time) and 2 (local mean time) move the clock.
    int basis = ini.ReadInteger("set", "idate", 0);
    idate = basis == 1 || basis == 2 ? basis : 0;
    save = ini.ReadBool("set", "save", false);
    leftpos = std::clamp(ini.ReadInteger("set", "leftpos", 0), 0, 500);
    bscore = ini.ReadBool("set", "bscore", false);
    localclock = localClockOverride.value_or(ini.ReadBool("set", "localclock", true));
}

bool CBaZiEx::ComputeCouple(BirthData& a, BirthData& b) {
    haveCouple = false;
    ReadEngineSettings();
    inputs[0] = a;
    inputs[1] = b;
    coupleMode = 1;
    readingsText.clear();

    static const char* const kHeadings[2] = {"甲命八字：\r\n", "乙命八字：\r\n"};
    for (int k = 0; k < 2; ++k) {
        current = inputs[k];
        chart = ChartData{};
        sectionText = kHeadings[k];
        if (!BuildChart()) return false;
        if (k == 0)
            report = sectionText;
        else
            report += sectionText;
        charts[k] = chart;
    }
    haveCouple = true;
    AssembleReportTail();
    return true;
}

void CBaZiEx::RecomputeWithSettings(const UsefulGodSettings& a, const UsefulGodSettings& b) {
    if (!haveCouple) return;
    const UsefulGodSettings blocks[2] = {Sanitised(a), Sanitised(b)};
    for (int k = 0; k < 2; ++k) {
        userSettings = blocks[k];
        coupleMode = 0;
        if (k == 0) readingsText.clear();
        current = inputs[k];
        chart = charts[k];
        int dayElement = sym::kStemElement[sym::StemOf(chart.dayPillar)];
        for (int i = 0; i < 5; ++i) {
            chart.godGroups[i] = static_cast<uint8_t>(userSettings.group[i]);
            chart.gods[i] = static_cast<uint8_t>((dayElement + userSettings.group[i]) % 5);
        }
        for (int t = 0; t < 10; ++t) {
            chart.godScore[t] = userSettings.score[t];
            chart.codeScore[sym::kStemCode[sym::StemOfTenGod(userSettings.dayStem, t)]] = userSettings.score[t];
        }
        sectionText = chartText[k];
        // The same input and settings converted before, so this cannot fail.
        ConvertBirthDate();
        AnalyseChart();
        if (k == 0)
            report = sectionText;
        else
            report += sectionText;
        charts[k] = chart;
    }
    AssembleReportTail();
}

void CBaZiEx::CompareCouple() {
    CoupleComparison c =
        readings_.CompareCouple(charts[0], inputs[0].male != 0, charts[1], inputs[1].male != 0, bscore != 0);
    marriageIndex = c.index;
    sectionText = c.section;
}

void CBaZiEx::AssembleReportTail() {
    CompareCouple();
    report += sectionText;
    report += kSeparatorLine;
    report += readingsText;
    report += "※软件开发商:澄岚周易软件(";
    report += kMakerAddress;
    report += ")※\r\n";
    report += "☆以上批语仅供参考，须知人生命运妙在阴阳五行的无穷变化☆";
    if (endinfo) report += LinesOfFile(fileutil::Join(programFolder_, "dat/EndInfo.txt"));
    FormatReportView();
    DrawChartPicture();
}

void CBaZiEx::ReadUsefulGodSettings(UsefulGodSettings& a, UsefulGodSettings& b) const {
    UsefulGodSettings* blocks[2] = {&a, &b};
    for (int k = 0; k < 2; ++k) {
        const ChartData& c = charts[k];
        UsefulGodSettings& s = *blocks[k];
        s = UsefulGodSettings{};
        std::copy(std::begin(c.godScore), std::end(c.godScore), s.score);
        std::copy(std::begin(c.godGroups), std::end(c.godGroups), s.group);
        s.strengthClass = c.strengthClass;
        s.dayStem = static_cast<int16_t>(sym::StemOf(c.dayPillar));
    }
}

void CBaZiEx::LastPillars(uint8_t out[4]) const {
    out[0] = static_cast<uint8_t>(chart.yearPillar & 0xFF);
    out[1] = static_cast<uint8_t>(chart.monthPillar & 0xFF);
    out[2] = static_cast<uint8_t>(chart.dayPillar & 0xFF);
    out[3] = static_cast<uint8_t>(chart.hourPillar & 0xFF);
}
