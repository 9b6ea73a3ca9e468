#include "cases/store_layout.h"

#include <algorithm>

#include "cases/case_record.h"
#include "cases/little_endian.h"

HeaderBytes EncodeHeader(const StoreHeader& header) {
    HeaderBytes bytes{};
    bytes[0] = header.kind;
    le::PutI32(&bytes[4], header.slotCount);
    le::PutI32(&bytes[8], header.deletedCount);
    bytes[12] = header.reuse;
    le::PutI16(&bytes[14], header.fileCount);
    return bytes;
}

StoreHeader DecodeHeader(const unsigned char* bytes) {
    StoreHeader header{};
    header.kind = bytes[0];
    header.slotCount = le::GetI32(bytes + 4);
    header.deletedCount = le::GetI32(bytes + 8);
    header.reuse = bytes[12];
    header.fileCount = le::GetI16(bytes + 14);
    return header;
}

StoreHeader FreshHeader(uint8_t kind) {
    return StoreHeader{kind, 0, 0, 0, 1};
}

int FilesForSlots(int32_t slots) {
    return slots <= 0 ? 1 : (slots - 1) / kRecordsPerFile + 1;
}

StoreHeader Trusted(StoreHeader header, int32_t slotsOnDisk) {
    if (header.slotCount < 0 || header.slotCount > kMaxSlots) header.slotCount = slotsOnDisk;
    header.deletedCount = std::clamp(header.deletedCount, 0, header.slotCount);
    header.reuse = header.reuse != 0 && header.deletedCount > 0 ? 1 : 0;
    header.fileCount = static_cast<int16_t>(
        std::max<int>(header.fileCount, FilesForSlots(header.slotCount)));
    return header;
}

off_t FirstRecordOffset(int file) {
    return file == 0 ? static_cast<off_t>(kStoreHeaderSize) : 0;
}

SlotAddress AddressOf(int32_t slot) {
    int file = slot / kRecordsPerFile;
    off_t inFile = static_cast<off_t>(slot % kRecordsPerFile) * static_cast<off_t>(kCaseRecordSize);
    return {file, FirstRecordOffset(file) + inFile};
}

std::string DataFilePath(std::string_view prefix, int file) {
    return std::string(prefix) + std::to_string(file) + ".dat";
}
