// A safety copy of the case library, taken before it is cleared or replaced
// by an import: the case files dat/bazi<k>.dat and the saved reports
// bazi_f/*.rtf go into a folder of their own beside dat/, laid out as an
// export (bazi0.dat … and bazi_f/), so that a mistaken click loses nothing
// and the copy can be imported back. The window and the command line take
// the same copy.
#pragma once

#include <ctime>
#include <string>

namespace librarybackup {

// Whether the program folder holds any case (a case file longer than the
// store's header) or saved report.
bool HasLibraryFiles(const std::string& programFolder);

// A folder not yet taken, named after the local time t:
// <program>/bazi_backup_YYYYMMDD_HHMMSS/ (with "_2", "_3", … when taken).
std::string NewBackupFolder(const std::string& programFolder, std::time_t t);

// Copies every case file and saved report into the folder (created when
// missing); false when a file could not be copied.
bool BackUpLibrary(const std::string& programFolder, const std::string& folder);

}  // namespace librarybackup
