// Case-file bytes put together by hand from the documented layout, without
// the store's own writer, the way an earlier program would have left them.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/base/gbk_codec.h"

namespace handbuilt {

inline void PutLE(std::string& bytes, std::size_t offset, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline uint32_t GetLE(std::string_view bytes, std::size_t offset, int size) {
    uint32_t v = 0;
    for (int i = 0; i < size; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return v;
}

inline void PutText(std::string& bytes, std::size_t offset, std::string_view utf8) {
    std::string gbkText = gbk::FromUtf8(utf8);
    bytes.replace(offset, gbkText.size(), gbkText);
}

inline std::string Header(int32_t slots, int32_t deleted, uint8_t reuse, int16_t files) {
    std::string h(20, '\0');
    PutLE(h, 4, static_cast<uint32_t>(slots), 4);
    PutLE(h, 8, static_cast<uint32_t>(deleted), 4);
    h[12] = static_cast<char>(reuse);
    PutLE(h, 14, static_cast<uint16_t>(files), 2);
    return h;
}

struct Person {
    const char* name;
    int16_t year, month, day, hour, minute;
    uint8_t lunar, leap, male;
    int16_t province, city;
    float longitude, latitude;
    const char* place;
};

// Person A's fields lie at 5 (name), 32 … 59 (numbers) and 1152 (place);
// person B's at 1184, 1196 … 1223 and 1224.
inline void PutPerson(std::string& r, std::size_t name, std::size_t numbers, std::size_t place, const Person& p) {
    PutText(r, name, p.name);
    PutLE(r, numbers + 0, static_cast<uint16_t>(p.year), 2);
    PutLE(r, numbers + 2, static_cast<uint16_t>(p.month), 2);
    PutLE(r, numbers + 4, static_cast<uint16_t>(p.day), 2);
    PutLE(r, numbers + 6, static_cast<uint16_t>(p.hour), 2);
    PutLE(r, numbers + 8, static_cast<uint16_t>(p.minute), 2);
    r[numbers + 10] = static_cast<char>(p.lunar);
    r[numbers + 11] = static_cast<char>(p.leap);
    r[numbers + 12] = static_cast<char>(p.male);
    PutLE(r, numbers + 14, static_cast<uint16_t>(p.province), 2);
    PutLE(r, numbers + 16, static_cast<uint16_t>(p.city), 2);
    PutLE(r, numbers + 20, std::bit_cast<uint32_t>(p.longitude), 4);
    PutLE(r, numbers + 24, std::bit_cast<uint32_t>(p.latitude), 4);
    PutText(r, place, p.place);
}

inline std::string Record(int32_t number, bool deleted, const char* category, const char* note,
                          const Person& a, const Person& b) {
    std::string r(1256, '\0');
    PutLE(r, 0, static_cast<uint32_t>(number), 4);
    r[4] = deleted ? 1 : 0;
    PutText(r, 17, category);
    PutText(r, 60, note);
    PutPerson(r, 5, 32, 1152, a);
    PutPerson(r, 1184, 1196, 1224, b);
    return r;
}

}  // namespace handbuilt
