#include "tools/stroke_file.h"

#include <algorithm>
#include <fstream>

#include "engine/base/file_util.h"
#include "engine/base/data_folder.h"

namespace strokes {

namespace {

constexpr int kFirstRow = 16;
constexpr int kLastRow = 87;
constexpr int kColumns = 94;

StrokeRecord Decode(const unsigned char* bytes) {
    StrokeRecord r;
    r.code[0] = bytes[0];
    r.code[1] = bytes[1];
    r.count = static_cast<std::int16_t>(bytes[2] | (bytes[3] << 8));
    return r;
}

}  // namespace

std::string StrokeFilePath(std::string_view programFolder) {
    return datafolder::ShippedFile(programFolder, "dat/hzlen.dat");
}

int RecordIndex(unsigned char first, unsigned char second) {
    // A GB2312 byte is 0xA0 + its row or column number.
    const int row = first - 0xA0;
    const int column = second - 0xA0;
    if (row < kFirstRow || row > kLastRow || column < 1 || column > kColumns) return -1;
    return (row - kFirstRow) * kColumns + column - 1;
}

bool ReadRecord(const std::string& path, int index, StrokeRecord& record) {
    if (index < 0 || index >= kRecordCount) return false;
    std::ifstream in(path, std::ios::binary);
    unsigned char bytes[kRecordSize];
    if (!in.seekg(static_cast<std::streamoff>(index) * kRecordSize)) return false;
    if (!in.read(reinterpret_cast<char*>(bytes), kRecordSize)) return false;
    record = Decode(bytes);
    return true;
}

std::vector<StrokeRecord> ReadAllRecords(const std::string& path) {
    std::vector<StrokeRecord> records;
    std::string bytes;
    if (!fileutil::ReadAll(path, bytes)) return records;
    const std::size_t n = std::min<std::size_t>(bytes.size() / kRecordSize, kRecordCount);
    records.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        records.push_back(Decode(reinterpret_cast<const unsigned char*>(bytes.data()) + i * kRecordSize));
    return records;
}

}  // namespace strokes
