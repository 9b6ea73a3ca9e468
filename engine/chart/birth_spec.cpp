#include "engine/chart/birth_spec.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/base/gbk_codec.h"
#include "engine/places/place_list.h"

namespace {

// A whole number of the whole text, optionally signed.
bool ParseInt(const std::string& text, int& value) {
    if (text.empty() || text.size() > 6) return false;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || text.find_first_not_of("-0123456789") != std::string::npos) return false;
    value = static_cast<int>(v);
    return true;
}

// A decimal number making up the whole text, within [low, high].
bool ParseDegrees(const std::string& text, float low, float high, float& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value) && value >= low && value <= high;
}

// Whether GBK holds every character of the text (records and files are GBK).
bool FitsGbk(const std::string& text) { return gbk::ToUtf8(gbk::FromUtf8(text)) == text; }

// "未知", or "province-city" of the place file; sets the record's indexes.
bool ParsePlace(const std::string& text, const IniDocument& placeFile, BirthData& b) {
    if (text == places::kNoPlaceText) return true;
    for (int p = 0; p < places::kNoPlaceProvince; ++p) {
        std::string prefix = std::string(places::kProvinces[p]) + "-";
        if (!text.starts_with(prefix)) continue;
        std::vector<places::City> cities = places::ReadCities(placeFile, p);
        for (std::size_t c = 0; c < cities.size(); ++c)
            if (prefix + cities[c].name == text) {
                b.province = static_cast<int16_t>(p);
                b.city = static_cast<int16_t>(c);
                return true;
            }
    }
    return false;
}

}  // namespace

bool ParseYear(const std::string& text, int& year) {
    if (!ParseInt(text, year) || year == 0 || year < -850 || year > 2100) return false;
    if (year < 0) year += 1;
    return true;
}

bool ParseDateFields(const std::string& text, CalDate& date) {
    size_t second = text.rfind('-');
    size_t first = second == std::string::npos || second == 0 ? std::string::npos : text.rfind('-', second - 1);
    if (first == std::string::npos || first == 0) return false;
    int year, month, day;
    if (!ParseYear(text.substr(0, first), year) || !ParseInt(text.substr(first + 1, second - first - 1), month) ||
        !ParseInt(text.substr(second + 1), day))
        return false;
    date = {static_cast<int16_t>(year), static_cast<int16_t>(month), static_cast<int16_t>(day), 0, 0};
    return true;
}

bool ParseTime(const std::string& text, CalDate& date) {
    size_t colon = text.find(':');
    int hour, minute;
    if (colon == std::string::npos || !ParseInt(text.substr(0, colon), hour) ||
        !ParseInt(text.substr(colon + 1), minute) || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return false;
    date.hour = static_cast<int16_t>(hour);
    date.minute = static_cast<int16_t>(minute);
    return true;
}

bool ParseSpec(const std::string& spec, int person, const IniDocument& placeFile, BirthData& b,
               std::string& error) {
    b = BirthData{};
    b.person = static_cast<uint8_t>(person);
    b.male = person == 0 ? 1 : 0;
    b.longitude = 120.0f;
    b.latitude = 30.0f;
    b.province = places::kNoPlaceProvince;
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
            error = "应为 key=value，却是 \"" + item + "\"";
            return false;
        }
        std::string key = item.substr(0, eq), value = item.substr(eq + 1);
        bool ok = true;
        if (key == "name") {
            name = value;
            ok = !value.empty() && FitsGbk(value) && gbk::Width(value) <= 10;
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
            ok = !value.empty() && gbk::Width(value) <= 31 && ParsePlace(value, placeFile, b);
        } else {
            error = "没有这个键 \"" + key + "\"";
            return false;
        }
        if (!ok) {
            error = "无效的 " + key + " \"" + value + "\"";
            return false;
        }
    }
    if (!haveDate || !haveTime) {
        error = std::string("缺少键 \"") + (haveDate ? "time" : "date") + "\"";
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
