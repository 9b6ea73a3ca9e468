#include "cases/slot_scan.h"

#include <algorithm>
#include <vector>

#include "cases/case_record.h"
#include "cases/data_file.h"
#include "cases/store_layout.h"

namespace {

// About 5 MB per read.
constexpr int32_t kBlockRecords = 4096;

// Visits the slots first … first + count − 1 held by one file; false when the
// visitor asked to stop.
bool ScanFile(const std::string& path, int file, int32_t first, int32_t count,
              std::vector<unsigned char>& buffer, const SlotVisitor& visit) {
    DataFile data(path, DataFile::Mode::Read);
    if (!data.IsOpen()) return true;
    off_t offset = FirstRecordOffset(file);
    for (int32_t done = 0; done < count;) {
        int32_t want = std::min(kBlockRecords, count - done);
        std::size_t got = data.ReadAt(offset, buffer.data(), static_cast<std::size_t>(want) * kCaseRecordSize);
        auto records = static_cast<int32_t>(got / kCaseRecordSize);
        for (int32_t i = 0; i < records; ++i)
            if (!visit(first + done + i, buffer.data() + static_cast<std::size_t>(i) * kCaseRecordSize))
                return false;
        if (records < want) return true;  // the file ends early
        done += records;
        offset += static_cast<off_t>(got);
    }
    return true;
}

}  // namespace

void ScanSlots(const std::string& prefix, int32_t slotCount, const SlotVisitor& visit) {
    if (slotCount <= 0) return;
    std::vector<unsigned char> buffer(static_cast<std::size_t>(kBlockRecords) * kCaseRecordSize);
    for (int file = 0; file < FilesForSlots(slotCount); ++file) {
        int32_t first = file * kRecordsPerFile;
        int32_t count = std::min(kRecordsPerFile, slotCount - first);
        if (!ScanFile(DataFilePath(prefix, file), file, first, count, buffer, visit)) return;
    }
}
