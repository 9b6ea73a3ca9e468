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

    // Builds the paths under the program folder and, when dat/bazi0.dat is
    // missing (or empty, as a creation cut off by a crash leaves it), creates
    // it holding a fresh header of the given kind. Also creates dat/ and
    // bazi_f/ when they are missing. False when they could not be created.
    bool Open(const std::string& programFolder, uint8_t kind);

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
    // program's own dat/ folder (clearing the store first would delete the
    // source) or its folder's bazi_f/ is the program's own, NoStore when it
    // holds no header, else Done. The window asks this before DeleteAll.
    TransferStatus CheckImportSource(const std::string& path) const;

    // Copies the data files that the chosen file's header announces (those
    // that exist) from the chosen file's folder into dat/, overwriting, and
    // every *.rtf of that folder's bazi_f/ into the program's bazi_f/.
    TransferResult ImportFrom(const std::string& path);

    // bazi_f/<n>.rtf under the program folder.
    std::string ReportFile(int number) const;

private:
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
};
