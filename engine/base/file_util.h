// Small file helpers shared by every module that reads or writes data files.
#pragma once

#include <string>
#include <string_view>

namespace fileutil {

// Reads the whole file; false when it cannot be opened or read.
bool ReadAll(const std::string& path, std::string& bytes);

// Replaces the file with these bytes atomically: a sibling temp file is
// written, flushed to disk and renamed over the target. On failure the old
// file is left as it was.
bool WriteAtomically(const std::string& path, std::string_view bytes);

bool Exists(const std::string& path);

// The folder of the running executable, with a trailing "/".
std::string ProgramFolder();

// Joins a folder (with or without a trailing "/") and a relative path.
std::string Join(std::string_view folder, std::string_view relative);

}  // namespace fileutil
