// marivo-cli couple: the marriage report of two persons, as text or JSON.
//
//   couple --a SPEC --b SPEC [--json] [--dir PROGRAM_FOLDER]
//
// SPEC is comma-separated key=value: date=YYYY-MM-DD (required; a year BC
// as users write it, -120 for 120 BC), time=HH:MM (required), name (default
// 某人), sex=男|女 (default 男 for --a, 女 for --b), cal=公历|农历 (default
// 公历), leap=0|1 (default 0), lon and lat in decimal degrees (default 120
// and 30), place (default 未知). The settings come from
// PROGRAM_FOLDER/dat/bzinit.ini (default: the data folder the window uses).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "cli/program_folder.h"
#include "engine/CBaZiEx.h"
#include "engine/gbk_codec.h"

namespace {

constexpr const char* kUsage = "couple --a SPEC --b SPEC [--json] [--dir PROGRAM_FOLDER]";
constexpr int kUnknownProvince = 34;  // "未知地"

// A decimal number making up the whole text, within [low, high].
bool ParseDegrees(const std::string& text, float low, float high, float& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value) && value >= low && value <= high;
}

// Reads one person's SPEC into a birth record; on failure `error` names the key.
bool ParseSpec(const std::string& spec, int person, BirthData& b, std::string& error) {
    b = BirthData{};
    b.person = static_cast<uint8_t>(person);
    b.male = person == 0 ? 1 : 0;
    b.longitude = 120.0f;
    b.latitude = 30.0f;
    b.province = kUnknownProvince;
    std::string name = "某人", place = "未知";
    bool haveDate = false, haveTime = false;
    CalDate date{};

    std::size_t pos = 0;
    while (pos <= spec.size()) {
        std::size_t comma = spec.find(',', pos);
        if (comma == std::string::npos) comma = spec.size();
        std::string item = spec.substr(pos, comma - pos);
        pos = comma + 1;
        std::size_t eq = item.find('=');
        if (eq == std::string::npos) {
            error = "expected key=value, got \"" + item + "\"";
            return false;
        }
        std::string key = item.substr(0, eq), value = item.substr(eq + 1);
        bool ok = true;
        if (key == "name") {
            name = value;
            ok = !value.empty() && gbk::Width(value) <= 10;
        } else if (key == "sex") {
            ok = value == "男" || value == "女";
            b.male = value == "男" ? 1 : 0;
        } else if (key == "date") {
            ok = haveDate = ParseDateFields(value, date);
        } else if (key == "time") {
            ok = haveTime = ParseTime(value, date);
        } else if (key == "cal") {
            ok = value == "公历" || value == "农历";
            b.lunar = value == "农历" ? 1 : 0;
        } else if (key == "leap") {
            ok = value == "0" || value == "1";
            b.leap = value == "1" ? 1 : 0;
        } else if (key == "lon") {
            ok = ParseDegrees(value, -180, 180, b.longitude);
        } else if (key == "lat") {
            ok = ParseDegrees(value, -90, 90, b.latitude);
        } else if (key == "place") {
            place = value;
            ok = !value.empty() && gbk::Width(value) <= 31;
        } else {
            error = "unknown key \"" + key + "\"";
            return false;
        }
        if (!ok) {
            error = "invalid " + key + " \"" + value + "\"";
            return false;
        }
    }
    if (!haveDate || !haveTime) {
        error = std::string("missing key \"") + (haveDate ? "time" : "date") + "\"";
        return false;
    }
    gbk::WriteField(b.name, name);
    gbk::WriteField(b.place, place);
    b.year = date.year;
    b.month = date.month;
    b.day = date.day;
    b.hour = date.hour;
    b.minute = date.minute;
    return true;
}

template <typename T, std::size_t N>
std::string JsonArray(const T (&values)[N]) {
    std::string out = "[";
    for (std::size_t i = 0; i < N; ++i) out += (i ? "," : "") + std::to_string(values[i]);
    return out + "]";
}

std::string ChartJson(const CBaZiEx& engine, int person) {
    const ChartData& c = engine.Chart(person);
    const BirthMoments& t = engine.Moments(person);
    const BirthData& in = engine.Input(person);
    const int16_t pillars[4] = {c.yearPillar, c.monthPillar, c.dayPillar, c.hourPillar};
    std::string patterns = "[";
    for (int i = 0; i < 4 && c.patterns[i] >= 0; ++i) patterns += (i ? "," : "") + std::to_string(c.patterns[i]);
    patterns += "]";
    auto field = [](const char* key, const std::string& value) { return std::string("\"") + key + "\":" + value; };
    auto number = [&](const char* key, int value) { return field(key, std::to_string(value)); };
    std::vector<std::string> fields = {
        field("name", JsonString(gbk::ReadField(in.name))),
        field("male", in.male ? "true" : "false"),
        field("pillars", JsonArray(pillars)),
        field("lunar", "{" + number("year", t.lunarDate.year) + "," + number("month", t.lunarDate.month) + "," +
                           number("day", t.lunarDate.day) + "," + field("leap", t.leap ? "true" : "false") + "}"),
        field("solarTime", JsonString(IsoMoment(t.solarTime))),
        number("luckStartAge", c.luckStartAge),
        number("dayMasterTotal", c.dayMasterTotal),
        number("yinTotal", c.yinTotal),
        number("yangTotal", c.yangTotal),
        number("strengthGrade", c.strengthGrade),
        number("strengthClass", c.strengthClass),
        field("elementScore", JsonArray(c.elementScore)),
        field("groupScore", JsonArray(c.groupScore)),
        field("godScore", JsonArray(c.godScore)),
        field("gods", JsonArray(c.gods)),
        field("godGroups", JsonArray(c.godGroups)),
        field("patterns", patterns),
        number("specialPattern", c.specialPattern),
        number("zodiacSign", c.zodiacSign),
        number("era", c.era),
        number("lifeNumber", c.lifeNumber),
        number("lifePalace", c.lifePalace),
        number("fetalOrigin", c.fetalOrigin),
        field("nayin", JsonArray(c.nayin)),
    };
    std::string out = "{";
    for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + fields[i];
    return out + "}";
}

struct CoupleOptions {
    std::string specs[2], folder;
    bool json = false;
};

int RunCouple(const CoupleOptions& o) {
    const std::string(&specs)[2] = o.specs;
    const bool json = o.json;
    const std::string folder = o.folder.empty() ? UserProgramFolder() : o.folder;
    BirthData persons[2];
    for (int k = 0; k < 2; ++k) {
        const char* option = k == 0 ? "--a" : "--b";
        if (specs[k].empty()) return UsageExit(kUsage);
        std::string error;
        if (!ParseSpec(specs[k], k, persons[k], error)) return ErrorExit(2, std::string(option) + ": " + error);
    }

    CBaZiEx engine(folder);
    engine.showReport = 0;  // keep the report text; there is no view
    if (!engine.ComputeCouple(persons[0], persons[1])) return ErrorExit(2, engine.errorText);
    std::string report = UnixLines(engine.report);
    if (!json) {
        if (!report.empty() && report.back() != '\n') report += '\n';
        std::fwrite(report.data(), 1, report.size(), stdout);
        return 0;
    }
    std::string out = "{\"marriageIndex\":" + JsonFloat(engine.MarriageIndex()) + ",\"report\":" +
                      JsonString(report) + ",\"charts\":[" + ChartJson(engine, 0) + "," + ChartJson(engine, 1) + "]}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

CommandRun DefineCouple(CLI::App& command) {
    auto o = std::make_shared<CoupleOptions>();
    command.add_option("--a", o->specs[0], "甲命（默认男）：date=YYYY-MM-DD,time=HH:MM[,name=…,sex=男|女,cal=公历|农历,"
                                           "leap=0|1,lon=…,lat=…,place=…]")->type_name("SPEC");
    command.add_option("--b", o->specs[1], "乙命（默认女），写法同 --a")->type_name("SPEC");
    command.add_flag("--json", o->json, "合婚指数、命稿和两个命盘写成一个 JSON 对象");
    command.add_option("--dir", o->folder, "程序文件夹（其 dat/bzinit.ini 是设置），默认与窗口相同")
        ->type_name("PROGRAM_FOLDER");
    return [o] { return RunCouple(*o); };
}

const CliRegistration reg{"couple", kUsage, "两人的合婚命稿，文本或 JSON", DefineCouple};

}  // namespace
