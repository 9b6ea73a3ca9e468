// Birth records for the engine tests and benchmarks.
#pragma once

#include "engine/base/gbk_codec.h"
#include "engine/symbols/records.h"

// A solar birth at a clock time of 120° E, no place given.
inline BirthData Birth(int person, bool male, int year, int month, int day, int hour, int minute) {
    BirthData b{};
    b.person = static_cast<uint8_t>(person);
    gbk::WriteField(b.name, person == 0 ? "甲某" : "乙某");
    b.year = static_cast<int16_t>(year);
    b.month = static_cast<int16_t>(month);
    b.day = static_cast<int16_t>(day);
    b.hour = static_cast<int16_t>(hour);
    b.minute = static_cast<int16_t>(minute);
    b.male = male ? 1 : 0;
    b.province = 34;
    b.longitude = 120.0f;
    b.latitude = 30.0f;
    gbk::WriteField(b.place, "未知");
    return b;
}

inline BirthData LunarBirth(int person, bool male, int year, int month, int day, int hour, int minute, bool leap) {
    BirthData b = Birth(person, male, year, month, day, hour, minute);
    b.lunar = 1;
    b.leap = leap ? 1 : 0;
    return b;
}

// The same record with a name, or with a name and a birthplace.
inline BirthData Named(BirthData b, const char* name) {
    gbk::WriteField(b.name, name);
    return b;
}

inline BirthData WithPlace(BirthData b, const char* name, const char* place, float longitude, float latitude) {
    gbk::WriteField(b.name, name);
    gbk::WriteField(b.place, place);
    b.province = 0;
    b.longitude = longitude;
    b.latitude = latitude;
    return b;
}
