#include "engine/places/place_list.h"

#include <charconv>

#include "engine/base/file_util.h"

namespace places {

const std::array<std::string_view, kProvinceCount> kProvinces = {
    "福建省", "北京市", "天津市", "河北省", "山西省", "内蒙古", "辽宁省", "吉林省", "黑龙江省",
    "上海市", "江苏省", "浙江省", "安徽省", "江西省", "山东省", "河南省", "湖北省", "湖南省",
    "广东省", "广西",   "海南省", "四川省", "重庆市", "贵州省", "云南省", "西藏",   "陕西省",
    "甘肃省", "青海省", "宁夏",   "新疆",   "台湾省", "香港",   "澳门",   "未知地",
};

namespace {

std::string_view Trim(std::string_view s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// A whole decimal integer, optionally signed; false for anything else.
bool ParseInt(std::string_view text, int& out) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), out);
    return err == std::errc() && end == text.data() + text.size();
}

// "deg:min" → both numbers.
bool ParseDegreesMinutes(std::string_view text, int& degrees, int& minutes) {
    std::size_t colon = text.find(':');
    return colon != std::string_view::npos && ParseInt(text.substr(0, colon), degrees) &&
           ParseInt(text.substr(colon + 1), minutes);
}

int IntOr(std::string_view text, int fallback) {
    int n = 0;
    return ParseInt(text, n) ? n : fallback;
}

}  // namespace

std::string PlaceFilePath(std::string_view programFolder) {
    return fileutil::Join(programFolder, "dat/dili.ini");
}

bool ParsePlaceValue(std::string_view text, PlaceValue& value) {
    std::size_t star = text.find('*');
    if (star == std::string_view::npos) return false;
    PlaceValue v;
    if (!ParseDegreesMinutes(text.substr(0, star), v.longitudeDegrees, v.longitudeMinutes) ||
        !ParseDegreesMinutes(text.substr(star + 1), v.latitudeDegrees, v.latitudeMinutes))
        return false;
    value = v;
    return true;
}

PlaceValue ReadPlaceValue(std::string_view text) {
    PlaceValue value;
    if (!ParsePlaceValue(text, value)) ParsePlaceValue(kDefaultValue, value);
    return value;
}

std::string FormatPlaceValue(const PlaceValue& v) {
    return std::to_string(v.longitudeDegrees) + ":" + std::to_string(v.longitudeMinutes) + "*" +
           std::to_string(v.latitudeDegrees) + ":" + std::to_string(v.latitudeMinutes);
}

float DecimalDegrees(int degrees, int minutes) {
    return static_cast<float>(static_cast<long double>(degrees) + static_cast<long double>(minutes) / 60.0L);
}

std::vector<City> ReadCities(const IniDocument& placeFile, int province) {
    std::vector<City> cities;
    if (province < 0 || province >= kNoPlaceProvince) return cities;
    std::string_view section = kProvinces[province];
    for (auto& [key, text] : placeFile.ReadSectionValues(section)) {
        PlaceValue v = ReadPlaceValue(text);
        cities.push_back({std::move(key), DecimalDegrees(v.longitudeDegrees, v.longitudeMinutes),
                          DecimalDegrees(v.latitudeDegrees, v.latitudeMinutes)});
    }
    return cities;
}

CityChoice PanelCities(const IniDocument& placeFile, int province) {
    CityChoice choice{ReadCities(placeFile, province), false};
    if (choice.cities.empty()) {
        choice.cities.push_back({std::string(kNoPlaceName), kDefaultLongitude, kDefaultLatitude});
        choice.noPlace = true;
    }
    return choice;
}

std::string PlaceText(const CityChoice& choice, int province, int city) {
    if (choice.noPlace || province < 0 || province >= kNoPlaceProvince || city < 0 ||
        city >= static_cast<int>(choice.cities.size()))
        return std::string(kNoPlaceText);
    return std::string(kProvinces[province]) + "-" + choice.cities[city].name;
}

PlaceInputError CheckPlaceInput(std::string_view longitudeDegrees, std::string_view longitudeMinutes,
                                std::string_view latitudeDegrees, std::string_view latitudeMinutes,
                                PlaceValue& value) {
    // A box that is not a number reads as a value outside its range.
    PlaceValue v{IntOr(longitudeDegrees, -300), IntOr(longitudeMinutes, -1), IntOr(latitudeDegrees, -300),
                 IntOr(latitudeMinutes, -1)};
    auto minutesOk = [](int m) { return m >= 0 && m <= 59; };
    if (v.longitudeDegrees < -179 || v.longitudeDegrees > 179 || !minutesOk(v.longitudeMinutes))
        return PlaceInputError::Longitude;
    if (v.latitudeDegrees < -89 || v.latitudeDegrees > 89 || !minutesOk(v.latitudeMinutes))
        return PlaceInputError::Latitude;
    value = v;
    return PlaceInputError::None;
}

}  // namespace places
