// Fixed-width little-endian numbers inside byte buffers. The case files keep
// every number in this order, whatever the byte order of the machine.
#pragma once

#include <bit>
#include <cstdint>

namespace le {

inline uint16_t Get16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t Get32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline int16_t GetI16(const unsigned char* p) { return static_cast<int16_t>(Get16(p)); }
inline int32_t GetI32(const unsigned char* p) { return static_cast<int32_t>(Get32(p)); }
inline float GetFloat(const unsigned char* p) { return std::bit_cast<float>(Get32(p)); }

inline void Put16(unsigned char* p, uint16_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}

inline void Put32(unsigned char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

inline void PutI16(unsigned char* p, int16_t v) { Put16(p, static_cast<uint16_t>(v)); }
inline void PutI32(unsigned char* p, int32_t v) { Put32(p, static_cast<uint32_t>(v)); }
inline void PutFloat(unsigned char* p, float v) { Put32(p, std::bit_cast<uint32_t>(v)); }

}  // namespace le
