// The case store: every saved marriage-matching case, kept in fixed-size
// slots of the files dat/bazi0.dat, dat/bazi1.dat, … under the program
// folder, addressed by record number, with the saved report of case n in
// bazi_f/<n>.rtf. A case is deleted by a flag; once 30 deleted slots have
// piled up, new cases fill them (lowest number first) until none is left,
// then appending resumes. Record numbers of live cases never change.
//
// The object holds only paths: every operation opens the files it needs,
// reads the header anew, works and closes them again.
//
// Nothing is lost in a crash: a new or changed record reaches the disk
// before the header that counts it, so the header never counts a slot that
// holds garbage. A damaged header (see Trusted in store_layout.h) is read
// defensively and mended at the next write; files are never cut short.
//
// One writer at a time: every change runs under the library lock (see
// library_lock.h). An import builds the new library in a staging folder
// beside the old one and switches it in with renames, so that a kill at any
// moment leaves the old library or, once the next Open has finished the
// switch, the whole new one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cases/case_record.h"
#include "cases/search_criteria.h"
#include "cases/slot_scan.h"
#include "cases/store_layout.h"

class DataFile;

// Outcome of an export or an import, for the window to report.
enum class TransferStatus {
    Done,      // everything found was copied
    OwnStore,  // the source or target is the program's own store
    NoStore,   // no store header could be read at the source
    Failed,    // a file could not be copied
    Busy,      // another writer keeps the library (see MDataBase::OtherWriter)
};

// Why the last change to the store failed.
enum class StoreFailure {
    None,
    Io,        // a file could not be read or written
    Busy,      // another writer kept the library locked
    Replaced,  // the library was replaced or cleared since Open
};

struct TransferResult {
    TransferStatus status = TransferStatus::Done;
    int dataFiles = 0;    // data files copied
    int reportFiles = 0;  // report files copied
};

class MDataBase {
public:
    // New cases of a store go into deleted slots once this many have piled up.
    static constexpr int32_t kReuseThreshold = 30;

    enum class Access { ReadWrite, ReadOnly };

    // Builds the paths under the program folder and, when dat/bazi0.dat is
    // missing (or empty, as a creation cut off by a crash leaves it), creates
    // it holding a fresh header of the given kind. Also creates dat/ and
    // bazi_f/ when they are missing, finishes an import that was cut off
    // after its new library was complete, and removes the staging and
    // partial files that killed writers left. False when they could not be
    // created.
    // ReadOnly touches nothing (for a library on a read-only disk): only
    // dat/ must exist, and every change is refused.
    bool Open(const std::string& programFolder, uint8_t kind, Access access = Access::ReadWrite);

    // Why the last change failed, and who kept the library when it was Busy.
    StoreFailure LastFailure() const { return failure_; }
    const std::string& OtherWriter() const { return otherWriter_; }

    // Slots handed out, live and deleted; 0 when there is no readable store.
    int CaseCount() const;

    // Reads slot `number` into the record and returns whether it is live. A
    // number outside 0 … CaseCount() − 1, or a slot no file holds in full,
    // gives false and leaves the record untouched; a deleted slot fills the
    // record and gives false.
    bool ReadCase(int number, CaseRecord& record) const;

    // Reads the slots of the listed numbers, in list order, and hands every
    // live one to `live`: one pass with each data file opened once, for
    // lists of many cases (the case tree of the whole store). Numbers outside
    // the store and slots no file holds in full are passed over.
    using CaseVisitor = std::function<void(int number, const CaseRecord& record)>;
    void ReadCases(const std::vector<int>& numbers, const CaseVisitor& live) const;

    // Every slot that a data file holds, live or deleted, in slot order.
    // Slots that the header counts but no file holds are passed over
    // without being read one by one.
    void ReadAllSlots(const CaseVisitor& each) const;
    // Visits every slot the header counts, in record order, with its 1256
    // bytes, live or deleted, reading the files in large blocks: for passes
    // over the whole store (the partner ranking). Slots that no file holds in
    // full are passed over. Returns the slot count of the header (0 when
    // there is no readable store).
    int ScanStore(const SlotVisitor& visit) const;

    // Overwrites an existing slot with the record; false when the number is
    // outside 0 … CaseCount() − 1 or the slot could not be written.
    bool WriteCase(int number, const CaseRecord& record);

    // Stores the record as a new case and returns its record number, having
    // set the record's number and cleared its deleted flag; −1 when it could
    // not be stored. In reuse mode the lowest deleted slot is taken; when
    // none is left (the counts no longer match the files) the case is
    // appended and the header's deleted count set right.
    int AddCase(CaseRecord& record);

    // Marks a live slot deleted and counts it (the slot's other bytes stay).
    // False when the number is outside the store or the slot could not be
    // written; deleting a slot that is already deleted changes nothing.
    bool DeleteCase(int number);

    // The numbers of every live record that passes every active condition,
    // in ascending order.
    void FindCases(const SearchCriteria& criteria, std::vector<int>& numbers) const;

    // Deletes every data file and every report file; false when one could
    // not be removed. The next Open creates an empty store.
    bool DeleteAll();

    // Copies the data files into the folder and the reports into its
    // bazi_f/ (both created when missing), overwriting. The program's own
    // dat/ or program folder is refused (OwnStore).
    TransferResult ExportTo(const std::string& folder) const;

    // Whether ImportFrom would take this file: OwnStore when it lies in the
    // program's own dat/ folder or its folder's bazi_f/ is the program's
    // own; NoStore unless it holds a plausible header (kind 0, counts within
    // range) and the data files beside it that the header's slots need are
    // there in full; else Done. Nothing is touched.
    TransferStatus CheckImportSource(const std::string& path) const;

    // Replaces the whole library with the one beside the chosen file: its
    // data files and the *.rtf of its bazi_f/ are copied into a staging
    // folder of the program folder, and only when every copy is complete
    // are they switched in place of the old data files and reports. On any
    // failure the old library is left as it was.
    TransferResult ImportFrom(const std::string& path);

    // bazi_f/<n>.rtf under the program folder.
    std::string ReportFile(int number) const;

private:
    struct ImportSource;
    TransferStatus PlanImport(const std::string& path, ImportSource& source) const;
    // Takes part in a change: false, with the failure noted, when the lock is
    // held elsewhere or (checkGeneration) the library was replaced since Open.
    bool MayWrite(const class LibraryLock& lock, bool checkGeneration);
    bool Failed(StoreFailure failure);
    // Moves a complete staged import in place; every step may be repeated.
    void SwitchIn(const std::string& staging);
    // Finishes or removes what killed writers left behind; true when a cut-off
    // import was finished (the library was replaced).
    bool CleanUpAfterKilledWriters();

    // The header of dat/bazi0.dat made safe to act on; false when the file
    // holds no header.
    bool ReadHeader(const DataFile& first, StoreHeader& header) const;
    bool ReadHeader(StoreHeader& header) const;
    bool WriteHeader(DataFile& first, const StoreHeader& header) const;
    // Slots that the data files really hold, counted from the file sizes.
    int32_t SlotsOnDisk() const;
    // Data files present from bazi0.dat on without a gap.
    int FilesOnDisk() const;
    // Reads or overwrites `size` bytes at `within` of a slot that its file
    // holds in full; written bytes are forced onto the disk.
    bool ReadSlot(int32_t slot, unsigned char* bytes) const;
    bool WriteIntoSlot(int32_t slot, std::size_t within, const void* bytes, std::size_t size);
    // Writes a new last slot, creating its file when needed.
    bool AppendSlot(int32_t slot, const CaseBytes& bytes);
    int32_t FirstDeletedSlot(int32_t slotCount) const;

    std::string folder_;        // program folder, with a trailing "/"
    std::string dataFolder_;    // <program>/dat/
    std::string prefix_;        // <program>/dat/bazi
    std::string firstFile_;     // <program>/dat/bazi0.dat
    std::string reportFolder_;  // <program>/bazi_f/
    bool readOnly_ = false;
    long long generation_ = 0;  // the library's generation at Open
    StoreFailure failure_ = StoreFailure::None;
    std::string otherWriter_;
};
