// Copying and removing the files of a whole case store (export, import,
// clearing the history).
#pragma once

#include <string>

namespace filecopy {

// Copies a file over another: the copy is written beside the target (under
// a name ending in ".part<process id>") and renamed over it once complete,
// so an interrupted copy never leaves half a case file; false when any
// write failed, the target then untouched.
constexpr const char* kPartTag = "part";
bool CopyReplacing(const std::string& from, const std::string& to);

// Copies every *.rtf of one folder into another (created when missing),
// counting the copies; false when one of them failed.
bool CopyReports(const std::string& fromFolder, const std::string& toFolder, int& copied);

// Removes every *.rtf of a folder; false when one could not be removed.
bool RemoveReports(const std::string& folder);

// Removes a file; true also when it did not exist.
bool RemoveFile(const std::string& path);

// Whether both paths name the same existing folder (links followed).
bool SameFolder(const std::string& a, const std::string& b);

}  // namespace filecopy
