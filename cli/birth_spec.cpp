#include "cli/birth_spec.h"

#include <cmath>
#include <cstdlib>

#include "cli/calendar_io.h"
#include "engine/gbk_codec.h"

namespace {

constexpr int kUnknownProvince = 34;  // "未知地"

// A decimal number making up the whole text, within [low, high].
bool ParseDegrees(const std::string& text, float low, float high, float& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value) && value >= low && value <= high;
}

}  // namespace

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
