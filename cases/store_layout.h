// How the case files are laid out. The store is a row of data files
// dat/bazi0.dat, dat/bazi1.dat, … of at most 50000 records of 1256 bytes;
// record r lies in file r / 50000 at offset (r mod 50000) × 1256, plus the
// 20-byte header in file 0. The header, little-endian:
//   0  kind (byte)        4 slot count (int32)   8 deleted count (int32)
//   12 reuse flag (byte)  14 file count (int16)  other bytes reserved, zero
#pragma once

#include <sys/types.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct StoreHeader {
    uint8_t kind;          // selects the base name of the files; always 0 ("bazi")
    int32_t slotCount;     // record numbers ever handed out, live and deleted
    int32_t deletedCount;  // deleted slots not yet reused
    uint8_t reuse;         // 1 while new cases go into deleted slots
    int16_t fileCount;     // data files in use
};

constexpr std::size_t kStoreHeaderSize = 20;
constexpr int32_t kRecordsPerFile = 50000;
// The file count is a 16-bit number, which bounds the slots a store can have.
constexpr int32_t kMaxSlots = 32767 * kRecordsPerFile;

using HeaderBytes = std::array<unsigned char, kStoreHeaderSize>;

HeaderBytes EncodeHeader(const StoreHeader& header);
StoreHeader DecodeHeader(const unsigned char* bytes);

// The header of an empty store.
StoreHeader FreshHeader(uint8_t kind);

// Where a slot lies: its file number and its byte offset in that file.
struct SlotAddress {
    int file;
    off_t offset;
};
SlotAddress AddressOf(int32_t slot);
// Offset of the first record in a data file.
off_t FirstRecordOffset(int file);

// Path of data file k: prefix ("<program>/dat/bazi") + k + ".dat".
std::string DataFilePath(std::string_view prefix, int file);

// Number of data files that slots 0 … slots − 1 take (at least 1).
int FilesForSlots(int32_t slots);

// A header as the store may act on it. A header damaged by hand or by a
// broken copy can hold negative counts, a slot count beyond what the file
// count can address, or a file count that does not cover the slots; this
// mends what can be mended without touching the files:
// - a slot count below 0 or above kMaxSlots becomes slotsOnDisk (the slots
//   that the data files really hold);
// - the deleted count is kept within 0 … slot count, and the reuse flag is on
//   only while deleted slots are counted;
// - the file count covers at least the files the slots need.
StoreHeader Trusted(StoreHeader header, int32_t slotsOnDisk);
