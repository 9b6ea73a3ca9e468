// The stroke table dat/hzlen.dat: one 4-byte record for every position of
// the GB2312 Chinese-character area (rows 16 to 87, columns 1 to 94, in code
// order): the character's two code bytes, then its stroke count as a signed
// 16-bit little-endian number. A position without a character, or without a
// known count, holds the count 0. The first record is 啊 (0xB0 0xA1).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace strokes {

inline constexpr int kRecordCount = 6768;  // 72 rows of 94 columns
inline constexpr int kRecordSize = 4;

// What the name tool says when the stroke table is missing.
inline constexpr std::string_view kStrokeFileMissing = "姓名文件丢失";

struct StrokeRecord {
    unsigned char code[2] = {0, 0};  // GB2312 bytes, first byte first
    std::int16_t count = 0;
};

// The stroke table: the program folder's own copy, else the shipped one.
std::string StrokeFilePath(std::string_view programFolder);

// The record index of the character with GB2312 bytes (first, second); −1
// when the bytes lie outside the Chinese-character area.
int RecordIndex(unsigned char first, unsigned char second);

// The record at an index; false when the file cannot be opened or is too
// short for it.
bool ReadRecord(const std::string& path, int index, StrokeRecord& record);

// Every complete record of the file in file order (at most kRecordCount);
// empty when the file cannot be read.
std::vector<StrokeRecord> ReadAllRecords(const std::string& path);

}  // namespace strokes
