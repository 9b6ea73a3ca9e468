// marivo-cli couple: the marriage report of two persons, as text or JSON.
//
//   couple --a SPEC --b SPEC [--json] [--clock local|standard] [--dir PROGRAM_FOLDER]
//
// SPEC is comma-separated key=value: date=YYYY-MM-DD (required; a year BC
// as users write it, -120 for 120 BC), time=HH:MM (required), name (default
// 某人), sex=男|女 (default 男 for --a, 女 for --b), cal=公历|农历 (default
// 公历), leap=0|1 (default 0), lon and lat in decimal degrees (default 120
// and 30), place (未知, the default, or province-city of the place file
// dat/dili.ini, e.g. 浙江省-杭州市; its province gives the zone of the
// birthplace's clocks). The settings come from PROGRAM_FOLDER/dat/bzinit.ini
// (default: the data folder the window uses); --clock wins over its "localclock".
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart/birth_spec.h"
#include <CLI/CLI.hpp>
#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "engine/places/place_list.h"
#include "engine/base/ini_file.h"
#include "cli/program_folder.h"

namespace {

constexpr const char* kUsage = "couple --a SPEC --b SPEC [--json] [--clock local|standard] [--dir PROGRAM_FOLDER]";
template <typename T, std::size_t N>
std::string JsonArray(const T (&values)[N]) {
    std::string out = "[";
    for (std::size_t i = 0; i < N; ++i) out += (i ? "," : "") + std::to_string(values[i]);
    return out + "]";
}

// How the entered time was read: the zone of the birthplace's clocks, the
// offset used to reach standard time of 120° E, whether summer time applied
// and whether the time was one the clocks showed twice (its first reading
// taken).
std::string ClockJson(const BirthMoments& t) {
    const BirthClock& c = t.clock;
    return "{\"local\":" + std::string(c.corrected ? "true" : "false") + ",\"zone\":" +
           JsonString(std::string(c.zone)) + ",\"offsetMinutes\":" + std::to_string(c.offsetMinutes) +
           ",\"summerTime\":" + (c.summerMinutes > 0 ? "true" : "false") + ",\"repeated\":" +
           (c.kind == clockzone::ClockKind::Repeated ? "true" : "false") + ",\"enteredTime\":" +
           JsonString(IsoMoment(c.entered)) + ",\"standardTime\":" + JsonString(IsoMoment(t.clockTime)) + "}";
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
        field("clock", ClockJson(t)),
    };
    std::string out = "{";
    for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + fields[i];
    return out + "}";
}

struct CoupleOptions {
    std::string specs[2], folder, clock;
    bool json = false;
};

int RunCouple(const CoupleOptions& o) {
    const std::string(&specs)[2] = o.specs;
    const bool json = o.json;
    const std::string folder = o.folder.empty() ? UserProgramFolder() : o.folder;
    std::optional<bool> localClock;
    if (!o.clock.empty()) {
        bool local = false;
        if (!ParseClock(o.clock, local)) return UsageExit(kUsage);
        localClock = local;
    }
    std::error_code ec;
    if (!o.folder.empty() && !std::filesystem::is_directory(std::filesystem::path(folder) / "dat", ec))
        return ErrorExit(2, "couple: " + folder + " 不是程序文件夹（其中没有 dat 文件夹）");
    const IniDocument placeFile = IniDocument::Load(places::PlaceFilePath(folder));
    BirthData persons[2];
    for (int k = 0; k < 2; ++k) {
        const char* option = k == 0 ? "--a" : "--b";
        if (specs[k].empty()) return UsageExit(kUsage);
        std::string error;
        if (!ParseSpec(specs[k], k, placeFile, persons[k], error)) return ErrorExit(2, std::string(option) + ": " + error);
    }

    CBaZiEx engine(folder, StandardReadings());
    engine.showReport = 0;  // keep the report text; there is no view
    engine.localClockOverride = localClock;
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
    command.add_option("--clock", o->clock, "local：出生时间按当地钟表时间（扣除夏令时）；standard：按北京时间；"
                                            "默认依设置文件")->type_name("local|standard");
    command.add_option("--dir", o->folder, "程序文件夹（其 dat/bzinit.ini 是设置），默认与窗口相同")
        ->type_name("PROGRAM_FOLDER");
    return [o] { return RunCouple(*o); };
}

const CliRegistration reg{"couple", kUsage, "两人的合婚命稿，文本或 JSON", DefineCouple};

}  // namespace
