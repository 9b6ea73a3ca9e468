#include "cases/MDataBase.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "cases/data_file.h"
#include "cases/file_copy.h"
#include "cases/library_lock.h"
#include "cases/slot_scan.h"
#include "engine/base/file_util.h"

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

// An import's new library is built in <program>/bazi_import_<process id>/;
// the file "commit" in it (holding the number of its data files) says that
// it is complete and is being switched in.
constexpr std::string_view kStagingPrefix = "bazi_import_";
constexpr const char* kCommitFile = "commit";

// Whether a file name ends in ".<tag><process id>" of a process that is gone.
bool LeftByDeadProcess(const std::string& name) {
    for (const char* tag : {".part", ".tmp"}) {
        std::size_t at = name.rfind(tag);
        if (at == std::string::npos) continue;
        std::string digits = name.substr(at + std::string_view(tag).size());
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) continue;
        pid_t pid = static_cast<pid_t>(std::stol(digits));
        return ::kill(pid, 0) != 0 && errno == ESRCH;
    }
    return false;
}

void RemoveLeftoverParts(const std::string& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code removeError;
        if (LeftByDeadProcess(it->path().filename().string())) fs::remove(it->path(), removeError);
    }
}

// The size a data file of a store with `slots` slots must have at least.
off_t NeededSize(int file, int32_t slots) {
    int32_t held = std::min(kRecordsPerFile, slots - file * kRecordsPerFile);
    return FirstRecordOffset(file) + static_cast<off_t>(held) * static_cast<off_t>(kCaseRecordSize);
}

off_t FullSize(int file) {
    return FirstRecordOffset(file) + static_cast<off_t>(kRecordsPerFile) * static_cast<off_t>(kCaseRecordSize);
}

}  // namespace

bool MDataBase::Open(const std::string& programFolder, uint8_t kind, Access access) {
    folder_ = fileutil::Join(programFolder, "");
    dataFolder_ = folder_ + "dat/";
    prefix_ = dataFolder_ + "bazi";
    firstFile_ = DataFilePath(prefix_, 0);
    reportFolder_ = folder_ + "bazi_f/";
    readOnly_ = access == Access::ReadOnly;

    std::error_code ec;
    if (readOnly_) return fs::is_directory(dataFolder_, ec);
    fs::create_directories(dataFolder_, ec);
    fs::create_directories(reportFolder_, ec);
    if (!fs::is_directory(reportFolder_, ec)) return false;

    LibraryLock lock(dataFolder_);
    generation_ = lock.Held() ? lock.Generation() : LibraryLock::PeekGeneration(dataFolder_);
    // A writer that keeps the library is alive: its files are left to it.
    if (!lock.Held()) return fileutil::Exists(firstFile_);
    if (CleanUpAfterKilledWriters()) lock.RaiseGeneration();
    generation_ = lock.Generation();
    DataFile first(firstFile_, DataFile::Mode::Create);
    if (!first.IsOpen()) return false;
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

void MDataBase::ReadAllSlots(const CaseVisitor& each) const {
    StoreHeader header;
    if (!ReadHeader(header)) return;
    ScanSlots(prefix_, header.slotCount, [&](int32_t slot, const unsigned char* bytes) {
        each(slot, DecodeCase(bytes));
        return true;
    });
}

int MDataBase::ScanStore(const SlotVisitor& visit) const {
    StoreHeader header;
    if (!ReadHeader(header)) return 0;
    ScanSlots(prefix_, header.slotCount, visit);
    return header.slotCount;
}

bool MDataBase::WriteCase(int number, const CaseRecord& record) {
    LibraryLock lock(dataFolder_);
    if (!MayWrite(lock, true)) return false;
    StoreHeader header;
    if (!ReadHeader(header) || number < 0 || number >= header.slotCount) return false;
    CaseBytes bytes = EncodeCase(record);
    return WriteIntoSlot(number, 0, bytes.data(), bytes.size()) || Failed(StoreFailure::Io);
}

int MDataBase::AddCase(CaseRecord& record) {
    LibraryLock lock(dataFolder_);
    if (!MayWrite(lock, true)) return -1;
    failure_ = StoreFailure::Io;
    DataFile first(firstFile_, DataFile::Mode::Write);
    StoreHeader header;
    if (!first.IsOpen() || !ReadHeader(first, header)) return -1;

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
    if (!WriteHeader(first, header)) return -1;
    failure_ = StoreFailure::None;
    return slot;
}

bool MDataBase::DeleteCase(int number) {
    LibraryLock lock(dataFolder_);
    if (!MayWrite(lock, true)) return false;
    DataFile first(firstFile_, DataFile::Mode::Write);
    StoreHeader header;
    if (!first.IsOpen() || !ReadHeader(first, header)) return Failed(StoreFailure::Io);
    if (number < 0 || number >= header.slotCount) return false;
    CaseBytes bytes;
    if (!ReadSlot(number, bytes.data())) return Failed(StoreFailure::Io);
    if (!IsLive(bytes.data())) return true;

    const uint8_t deleted = 1;
    if (!WriteIntoSlot(number, caselayout::kDeleted, &deleted, 1)) return Failed(StoreFailure::Io);
    header.deletedCount += 1;
    if (header.deletedCount >= kReuseThreshold) header.reuse = 1;
    return WriteHeader(first, header) || Failed(StoreFailure::Io);
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
    LibraryLock lock(dataFolder_);
    if (!MayWrite(lock, false)) return false;
    lock.RaiseGeneration();
    generation_ = lock.Generation();
    StoreHeader header;
    int files = FilesOnDisk();
    if (ReadHeader(header)) files = std::max<int>(files, header.fileCount);
    bool ok = true;
    for (int k = 0; k < files; ++k) ok = filecopy::RemoveFile(DataFilePath(prefix_, k)) && ok;
    return (filecopy::RemoveReports(reportFolder_) && ok) || Failed(StoreFailure::Io);
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

struct MDataBase::ImportSource {
    std::string folder;  // the chosen file's folder, with a trailing "/"
    int dataFiles = 0;   // data files that hold the header's slots
};

TransferStatus MDataBase::PlanImport(const std::string& path, ImportSource& source) const {
    fs::path chosen(path);
    source.folder = fileutil::Join(chosen.has_parent_path() ? chosen.parent_path().string() : ".", "");
    if (filecopy::SameFolder(source.folder, dataFolder_) ||
        filecopy::SameFolder(source.folder + "bazi_f", reportFolder_))
        return TransferStatus::OwnStore;
    StoreHeader header;
    if (!ReadRawHeader(DataFile(path, DataFile::Mode::Read), header)) return TransferStatus::NoStore;
    const bool plausible = header.kind == 0 && SlotCountPlausible(header) && header.deletedCount >= 0 &&
                           header.deletedCount <= header.slotCount && header.reuse <= 1 &&
                           header.fileCount >= FilesForSlots(header.slotCount);
    if (!plausible) return TransferStatus::NoStore;
    source.dataFiles = FilesForSlots(header.slotCount);
    for (int k = 0; k < source.dataFiles; ++k) {
        DataFile file(DataFilePath(source.folder + "bazi", k), DataFile::Mode::Read);
        const off_t size = file.IsOpen() ? file.Size() : -1;
        if (size < NeededSize(k, header.slotCount) || size > FullSize(k)) return TransferStatus::NoStore;
    }
    return TransferStatus::Done;
}

TransferStatus MDataBase::CheckImportSource(const std::string& path) const {
    ImportSource source;
    return PlanImport(path, source);
}

TransferResult MDataBase::ImportFrom(const std::string& path) {
    TransferResult result;
    ImportSource source;
    result.status = PlanImport(path, source);
    if (result.status != TransferStatus::Done) return result;
    LibraryLock lock(dataFolder_);
    if (!MayWrite(lock, false)) {
        result.status = TransferStatus::Busy;
        return result;
    }

    // The new library is built completely before anything of the old one goes.
    const std::string staging = folder_ + std::string(kStagingPrefix) + std::to_string(getpid()) + "/";
    std::error_code ec;
    fs::remove_all(staging, ec);
    fs::create_directories(staging + "bazi_f", ec);
    bool ok = !ec;
    for (int k = 0; ok && k < source.dataFiles; ++k) {
        ok = fileutil::CopyFile(DataFilePath(source.folder + "bazi", k), DataFilePath(staging + "bazi", k), true);
        if (ok) ++result.dataFiles;
    }
    if (ok && fs::is_directory(source.folder + "bazi_f", ec))
        ok = filecopy::CopyReports(source.folder + "bazi_f", staging + "bazi_f", result.reportFiles);
    ok = ok && fileutil::WriteAtomically(staging + kCommitFile, std::to_string(source.dataFiles));
    if (!ok) {
        fs::remove_all(staging, ec);
        failure_ = StoreFailure::Io;
        return {TransferStatus::Failed, 0, 0};
    }
    lock.RaiseGeneration();
    generation_ = lock.Generation();
    SwitchIn(staging);
    return result;
}

void MDataBase::SwitchIn(const std::string& staging) {
    std::string count;
    fileutil::ReadAll(staging + kCommitFile, count);
    const int files = std::clamp(std::atoi(count.c_str()), 1, kMaxFiles);
    std::error_code ec;
    // Each data file is replaced by a rename, which no kill can cut in half.
    for (int k = 0; k < files; ++k) {
        const std::string staged = DataFilePath(staging + "bazi", k);
        if (fileutil::Exists(staged)) fs::rename(staged, DataFilePath(prefix_, k), ec);
    }
    for (int k = files; k < kMaxFiles && fileutil::Exists(DataFilePath(prefix_, k)); ++k)
        fs::remove(DataFilePath(prefix_, k), ec);
    // The report folders trade places: the old one is set aside, then the
    // new one moves in.
    const std::string stagedReports = staging + "bazi_f";
    if (fs::exists(stagedReports, ec)) {
        if (fs::exists(reportFolder_, ec)) fs::rename(fileutil::Join(folder_, "bazi_f"), staging + "old_bazi_f", ec);
        fs::rename(stagedReports, fileutil::Join(folder_, "bazi_f"), ec);
    }
    // Only now does the commit go: a staging folder without one is dropped.
    fs::remove(staging + kCommitFile, ec);
    fs::remove_all(staging, ec);
}

bool MDataBase::CleanUpAfterKilledWriters() {
    bool switched = false;
    std::error_code ec;
    std::vector<fs::path> staged;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().starts_with(kStagingPrefix)) staged.push_back(it->path());
    for (const fs::path& staging : staged) {
        std::error_code removeError;
        if (fileutil::Exists((staging / kCommitFile).string())) {
            SwitchIn(fileutil::Join(staging.string(), ""));
            switched = true;
        } else
            fs::remove_all(staging, removeError);
    }
    RemoveLeftoverParts(dataFolder_);
    RemoveLeftoverParts(reportFolder_);
    return switched;
}

bool MDataBase::Failed(StoreFailure failure) {
    failure_ = failure;
    return false;
}

bool MDataBase::MayWrite(const LibraryLock& lock, bool checkGeneration) {
    failure_ = StoreFailure::None;
    otherWriter_.clear();
    if (readOnly_ || !lock.Opened()) return Failed(StoreFailure::Io);
    if (!lock.Held()) {
        otherWriter_ = lock.OtherHolder();
        return Failed(StoreFailure::Busy);
    }
    if (checkGeneration && lock.Generation() != generation_) return Failed(StoreFailure::Replaced);
    return true;
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
