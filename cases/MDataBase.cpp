#include "cases/MDataBase.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "cases/data_file.h"
#include "cases/file_copy.h"
#include "cases/slot_scan.h"
#include "engine/file_util.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxFiles = 32767;

bool ReadRawHeader(const DataFile& file, StoreHeader& header) {
    HeaderBytes bytes;
    if (!file.ReadFullAt(0, bytes.data(), bytes.size())) return false;
    header = DecodeHeader(bytes.data());
    return true;
}

bool SlotCountPlausible(const StoreHeader& header) {
    return header.slotCount >= 0 && header.slotCount <= kMaxSlots;
}

// Records a file holds in full, from its size.
int32_t RecordsHeld(off_t size, int file) {
    off_t bytes = size - FirstRecordOffset(file);
    if (bytes <= 0) return 0;
    return static_cast<int32_t>(std::min<off_t>(bytes / static_cast<off_t>(kCaseRecordSize), kRecordsPerFile));
}

// The bytes of a slot whose case was lost (its file ended before it): marked
// deleted, so that it never shows up as a live case of zero bytes.
CaseBytes LostSlot(int32_t slot) {
    CaseRecord record{};
    record.number = slot;
    record.deleted = 1;
    return EncodeCase(record);
}

bool IsDeleted(const unsigned char* bytes) { return bytes[caselayout::kDeleted] == 1; }
bool IsLive(const unsigned char* bytes) { return bytes[caselayout::kDeleted] == 0; }

}  // namespace

bool MDataBase::Open(const std::string& programFolder, uint8_t kind) {
    folder_ = fileutil::Join(programFolder, "");
    dataFolder_ = folder_ + "dat/";
    prefix_ = dataFolder_ + "bazi";
    firstFile_ = DataFilePath(prefix_, 0);
    reportFolder_ = folder_ + "bazi_f/";

    std::error_code ec;
    fs::create_directories(dataFolder_, ec);
    fs::create_directories(reportFolder_, ec);
    if (!fs::is_directory(reportFolder_, ec)) return false;

    DataFile first(firstFile_, DataFile::Mode::Create);
    if (!first.IsOpen() || !first.LockExclusive()) return false;
    if (first.Size() != 0) return true;
    return WriteHeader(first, FreshHeader(kind));
}

int MDataBase::CaseCount() const {
    StoreHeader header;
    return ReadHeader(header) ? header.slotCount : 0;
}

bool MDataBase::ReadCase(int number, CaseRecord& record) const {
    StoreHeader header;
    if (!ReadHeader(header) || number < 0 || number >= header.slotCount) return false;
    CaseBytes bytes;
    if (!ReadSlot(number, bytes.data())) return false;
    record = DecodeCase(bytes.data());
    return record.deleted == 0;
}

void MDataBase::ReadCases(const std::vector<int>& numbers, const CaseVisitor& live) const {
    StoreHeader header;
    if (!ReadHeader(header)) return;
    // Runs of consecutive numbers (the usual list) are read a block at a time.
    constexpr std::size_t kBlockRecords = 256;
    std::vector<unsigned char> block(kBlockRecords * kCaseRecordSize);
    std::unique_ptr<DataFile> file;
    int openFile = -1;
    for (std::size_t i = 0; i < numbers.size();) {
        const int first = numbers[i];
        if (first < 0 || first >= header.slotCount) {
            ++i;
            continue;
        }
        const SlotAddress at = AddressOf(first);
        std::size_t run = 1;
        while (run < kBlockRecords && i + run < numbers.size() && numbers[i + run] == first + static_cast<int>(run) &&
               first + static_cast<int>(run) < header.slotCount &&
               AddressOf(first + static_cast<int32_t>(run)).file == at.file)
            ++run;
        if (at.file != openFile) {
            file = std::make_unique<DataFile>(DataFilePath(prefix_, at.file), DataFile::Mode::Read);
            openFile = at.file;
        }
        const std::size_t held = file->ReadAt(at.offset, block.data(), run * kCaseRecordSize) / kCaseRecordSize;
        for (std::size_t k = 0; k < held; ++k) {
            const unsigned char* bytes = block.data() + k * kCaseRecordSize;
            if (IsLive(bytes)) live(first + static_cast<int>(k), DecodeCase(bytes));
        }
        i += run;
    }
}

int MDataBase::ScanStore(const SlotVisitor& visit) const {
    StoreHeader header;
    if (!ReadHeader(header)) return 0;
    ScanSlots(prefix_, header.slotCount, visit);
    return header.slotCount;
}

bool MDataBase::WriteCase(int number, const CaseRecord& record) {
    StoreHeader header;
    if (!ReadHeader(header) || number < 0 || number >= header.slotCount) return false;
    CaseBytes bytes = EncodeCase(record);
    return WriteIntoSlot(number, 0, bytes.data(), bytes.size());
}

int MDataBase::AddCase(CaseRecord& record) {
    DataFile first(firstFile_, DataFile::Mode::Write);
    StoreHeader header;
    if (!first.IsOpen() || !first.LockExclusive() || !ReadHeader(first, header)) return -1;

    int32_t slot = header.reuse ? FirstDeletedSlot(header.slotCount) : -1;
    bool reusing = slot >= 0;
    if (!reusing && header.slotCount >= kMaxSlots) return -1;
    if (!reusing) slot = header.slotCount;

    record.number = slot;
    record.deleted = 0;
    CaseBytes bytes = EncodeCase(record);
    bool written = reusing ? WriteIntoSlot(slot, 0, bytes.data(), bytes.size()) : AppendSlot(slot, bytes);
    if (!written) return -1;

    if (reusing) {
        header.deletedCount -= 1;
    } else {
        if (header.reuse) header.deletedCount = 0;  // counted slots that no longer exist
        header.slotCount = slot + 1;
        header.fileCount = static_cast<int16_t>(FilesForSlots(header.slotCount));
    }
    if (header.deletedCount == 0) header.reuse = 0;
    return WriteHeader(first, header) ? slot : -1;
}

bool MDataBase::DeleteCase(int number) {
    DataFile first(firstFile_, DataFile::Mode::Write);
    StoreHeader header;
    if (!first.IsOpen() || !first.LockExclusive() || !ReadHeader(first, header)) return false;
    if (number < 0 || number >= header.slotCount) return false;
    CaseBytes bytes;
    if (!ReadSlot(number, bytes.data())) return false;
    if (!IsLive(bytes.data())) return true;

    const uint8_t deleted = 1;
    if (!WriteIntoSlot(number, caselayout::kDeleted, &deleted, 1)) return false;
    header.deletedCount += 1;
    if (header.deletedCount >= kReuseThreshold) header.reuse = 1;
    return WriteHeader(first, header);
}

void MDataBase::FindCases(const SearchCriteria& criteria, std::vector<int>& numbers) const {
    numbers.clear();
    StoreHeader header;
    if (!ReadHeader(header)) return;
    ScanSlots(prefix_, header.slotCount, [&](int32_t slot, const unsigned char* bytes) {
        if (IsLive(bytes) && MatchesCriteria(criteria, bytes)) numbers.push_back(slot);
        return true;
    });
}

bool MDataBase::DeleteAll() {
    StoreHeader header;
    int files = FilesOnDisk();
    if (ReadHeader(header)) files = std::max<int>(files, header.fileCount);
    bool ok = true;
    for (int k = 0; k < files; ++k) ok = filecopy::RemoveFile(DataFilePath(prefix_, k)) && ok;
    return filecopy::RemoveReports(reportFolder_) && ok;
}

TransferResult MDataBase::ExportTo(const std::string& folder) const {
    TransferResult result;
    std::string target = fileutil::Join(folder, "");
    std::error_code ec;
    fs::create_directories(target, ec);
    if (filecopy::SameFolder(target, dataFolder_) || filecopy::SameFolder(target + "bazi_f", reportFolder_)) {
        result.status = TransferStatus::OwnStore;
        return result;
    }
    StoreHeader header;
    if (!ReadHeader(header)) {
        result.status = TransferStatus::NoStore;
        return result;
    }
    bool ok = true;
    for (int k = 0; k < header.fileCount; ++k) {
        std::string from = DataFilePath(prefix_, k);
        if (!fileutil::Exists(from)) continue;
        if (filecopy::CopyReplacing(from, DataFilePath(target + "bazi", k)))
            ++result.dataFiles;
        else
            ok = false;
    }
    ok = filecopy::CopyReports(reportFolder_, target + "bazi_f/", result.reportFiles) && ok;
    if (!ok) result.status = TransferStatus::Failed;
    return result;
}

TransferStatus MDataBase::CheckImportSource(const std::string& path) const {
    fs::path source(path);
    std::string folder = source.has_parent_path() ? source.parent_path().string() : ".";
    if (filecopy::SameFolder(folder, dataFolder_) ||
        filecopy::SameFolder(fileutil::Join(folder, "bazi_f"), reportFolder_))
        return TransferStatus::OwnStore;
    StoreHeader header;
    if (!ReadRawHeader(DataFile(path, DataFile::Mode::Read), header)) return TransferStatus::NoStore;
    return TransferStatus::Done;
}

TransferResult MDataBase::ImportFrom(const std::string& path) {
    TransferResult result;
    result.status = CheckImportSource(path);
    StoreHeader header;
    if (result.status != TransferStatus::Done || !ReadRawHeader(DataFile(path, DataFile::Mode::Read), header))
        return result;

    fs::path source(path);
    std::string folder = fileutil::Join(source.has_parent_path() ? source.parent_path().string() : ".", "");
    // The header may announce more files than the folder holds: take those there are.
    int files = std::min(kMaxFiles, std::max<int>(header.fileCount, FilesForSlots(header.slotCount)));
    bool ok = true;
    for (int k = 0; k < files; ++k) {
        std::string from = DataFilePath(folder + "bazi", k);
        if (!fileutil::Exists(from)) continue;
        if (filecopy::CopyReplacing(from, DataFilePath(prefix_, k)))
            ++result.dataFiles;
        else
            ok = false;
    }
    std::error_code ec;
    if (fs::is_directory(folder + "bazi_f", ec))
        ok = filecopy::CopyReports(folder + "bazi_f", reportFolder_, result.reportFiles) && ok;
    if (!ok) result.status = TransferStatus::Failed;
    return result;
}

std::string MDataBase::ReportFile(int number) const {
    return reportFolder_ + std::to_string(number) + ".rtf";
}

bool MDataBase::ReadHeader(const DataFile& first, StoreHeader& header) const {
    StoreHeader raw;
    if (!ReadRawHeader(first, raw)) return false;
    header = Trusted(raw, SlotCountPlausible(raw) ? raw.slotCount : SlotsOnDisk());
    return true;
}

bool MDataBase::ReadHeader(StoreHeader& header) const {
    return ReadHeader(DataFile(firstFile_, DataFile::Mode::Read), header);
}

bool MDataBase::WriteHeader(DataFile& first, const StoreHeader& header) const {
    HeaderBytes bytes = EncodeHeader(header);
    return first.WriteAt(0, bytes.data(), bytes.size()) && first.Flush();
}

int MDataBase::FilesOnDisk() const {
    int files = 0;
    while (files < kMaxFiles && fileutil::Exists(DataFilePath(prefix_, files))) ++files;
    return files;
}

int32_t MDataBase::SlotsOnDisk() const {
    int files = FilesOnDisk();
    if (files == 0) return 0;
    int last = files - 1;
    DataFile file(DataFilePath(prefix_, last), DataFile::Mode::Read);
    return last * kRecordsPerFile + RecordsHeld(file.Size(), last);
}

bool MDataBase::ReadSlot(int32_t slot, unsigned char* bytes) const {
    SlotAddress at = AddressOf(slot);
    DataFile file(DataFilePath(prefix_, at.file), DataFile::Mode::Read);
    return file.ReadFullAt(at.offset, bytes, kCaseRecordSize);
}

bool MDataBase::WriteIntoSlot(int32_t slot, std::size_t within, const void* bytes, std::size_t size) {
    SlotAddress at = AddressOf(slot);
    DataFile file(DataFilePath(prefix_, at.file), DataFile::Mode::Write);
    // Never write into a slot the file does not hold: that would leave a hole
    // of zero bytes, which reads as live cases.
    if (!file.IsOpen() || file.Size() < at.offset + static_cast<off_t>(kCaseRecordSize)) return false;
    return file.WriteAt(at.offset + static_cast<off_t>(within), bytes, size) && file.Flush();
}

bool MDataBase::AppendSlot(int32_t slot, const CaseBytes& bytes) {
    SlotAddress at = AddressOf(slot);
    DataFile file(DataFilePath(prefix_, at.file), DataFile::Mode::Create);
    if (!file.IsOpen()) return false;
    off_t size = file.Size();
    if (size < 0) return false;
    // Slots the header counts but the file lost are marked deleted first.
    for (int32_t lost = at.file * kRecordsPerFile + RecordsHeld(size, at.file); lost < slot; ++lost) {
        CaseBytes mark = LostSlot(lost);
        if (!file.WriteAt(AddressOf(lost).offset, mark.data(), mark.size())) return false;
    }
    return file.WriteAt(at.offset, bytes.data(), bytes.size()) && file.Flush();
}

int32_t MDataBase::FirstDeletedSlot(int32_t slotCount) const {
    int32_t found = -1;
    ScanSlots(prefix_, slotCount, [&](int32_t slot, const unsigned char* bytes) {
        if (!IsDeleted(bytes)) return true;
        found = slot;
        return false;
    });
    return found;
}
