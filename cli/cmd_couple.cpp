// marivo-cli couple: the marriage report of two persons, as text or JSON.
//
//   couple --a SPEC --b SPEC [--json] [--dir PROGRAM_FOLDER]
//
// SPEC: see cli/birth_spec.h. The settings come from
// PROGRAM_FOLDER/dat/bzinit.ini (default: the folder of marivo-cli).
#include <cstdio>
#include <string>
#include <vector>

#include "cli/birth_spec.h"
#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "engine/CBaZiEx.h"
#include "engine/file_util.h"
#include "engine/gbk_codec.h"

namespace {

constexpr const char* kUsage = "couple --a SPEC --b SPEC [--json] [--dir PROGRAM_FOLDER]";
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

int RunCouple(const Args& args) {
    std::string specs[2], folder = fileutil::ProgramFolder();
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--json") json = true;
        else if (a == "--a" && hasValue) specs[0] = args[++i];
        else if (a == "--b" && hasValue) specs[1] = args[++i];
        else if (a == "--dir" && hasValue) folder = args[++i];
        else return UsageExit(kUsage);
    }
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

const CliRegistration reg{"couple", kUsage, RunCouple};

}  // namespace
