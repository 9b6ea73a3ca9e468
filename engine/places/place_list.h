// Birthplaces: the fixed province list and the place file dat/dili.ini, one
// section per province, one key per city or county (in the order of the city
// list), each value "longitude degrees:minutes*latitude degrees:minutes",
// for example "120:0*30:0". East longitudes and north latitudes are positive.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/base/ini_file.h"

namespace places {

inline constexpr int kProvinceCount = 35;
// "未知地", the last province: no birthplace given. It has no section.
inline constexpr int kNoPlaceProvince = kProvinceCount - 1;
inline constexpr std::string_view kNoPlaceName = "未知地";
inline constexpr std::string_view kNoPlaceText = "未知";
// The value of a city whose key has no (readable) value, and of "未知地".
inline constexpr std::string_view kDefaultValue = "120:0*30:0";
inline constexpr float kDefaultLongitude = 120.0f;
inline constexpr float kDefaultLatitude = 30.0f;
// Longest city name the place editor takes, in GBK bytes.
inline constexpr std::size_t kMaxCityNameBytes = 10;

// The province names by index; the index is what birth records and saved
// cases store.
extern const std::array<std::string_view, kProvinceCount> kProvinces;

// The place file under a program folder.
std::string PlaceFilePath(std::string_view programFolder);

// A place value in whole degrees and minutes.
struct PlaceValue {
    int longitudeDegrees = 120;
    int longitudeMinutes = 0;
    int latitudeDegrees = 30;
    int latitudeMinutes = 0;
};

// "deg:min*deg:min" with decimal integers (blanks around a number allowed);
// false for anything else.
bool ParsePlaceValue(std::string_view text, PlaceValue& value);
// A value as the readers take it: an empty or malformed value (a hand-edited
// file) counts as "120:0*30:0".
PlaceValue ReadPlaceValue(std::string_view text);
std::string FormatPlaceValue(const PlaceValue& value);

// Degrees + minutes / 60 (also for negative degrees: −120° 30′ is −119.5),
// computed in long double and stored as a 32-bit float.
float DecimalDegrees(int degrees, int minutes);

struct City {
    std::string name;
    float longitude = kDefaultLongitude;
    float latitude = kDefaultLatitude;
};

// The cities of a province (0 … 33) in file order; empty for "未知地", for an
// index outside the list and for a province without a section or keys.
std::vector<City> ReadCities(const IniDocument& placeFile, int province);

// What a birth panel offers for a province: its cities, or, for "未知地" and
// for a province the file has no city for, the single city "未知地" at
// 120° E, 30° N with the place text "未知".
struct CityChoice {
    std::vector<City> cities;  // never empty
    bool noPlace = false;
};
CityChoice PanelCities(const IniDocument& placeFile, int province);

// The place text of a birth record: "福建省-福州市", or "未知" for no place.
std::string PlaceText(const CityChoice& choice, int province, int city);

// Validation of the place editor's four boxes, in this order: longitude
// degrees −179 … 179 with minutes 0 … 59, then latitude degrees −89 … 89 with
// minutes 0 … 59. A box that is not a number fails its check.
enum class PlaceInputError { None, Longitude, Latitude };
PlaceInputError CheckPlaceInput(std::string_view longitudeDegrees, std::string_view longitudeMinutes,
                                std::string_view latitudeDegrees, std::string_view latitudeMinutes,
                                PlaceValue& value);

}  // namespace places
