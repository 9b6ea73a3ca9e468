// Small file helpers shared by every module that reads or writes data files.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace fileutil {

// Reads the whole file; false when it cannot be opened or read, or is not a
// plain file (a folder in its place). Never throws.
bool ReadAll(const std::string& path, std::string& bytes);

// Writes every byte to the descriptor (at its position, or at an offset);
// false when the disk refuses one of them.
bool WriteAll(int fd, const void* data, std::size_t size);
bool WriteAllAt(int fd, off_t offset, const void* data, std::size_t size);

// path + "." + tag + the process id: a temporary name beside the file that
// no other running process uses.
std::string UniqueSibling(const std::string& path, std::string_view tag);

// Replaces the file with these bytes atomically: a sibling temp file is
// written, flushed to disk and renamed over the target. On failure the old
// file is left as it was.
bool WriteAtomically(const std::string& path, std::string_view bytes);

// Copies a plain file byte for byte, creating or truncating the target, and
// when durable forces it onto the disk (the case files; not each of
// thousands of small reports); false when any read, write, the forcing or
// the final close failed (the target may then be incomplete).
bool CopyFile(const std::string& from, const std::string& to, bool durable);

bool Exists(const std::string& path);
// Whether the path is a plain file this process can open for reading.
bool ReadableFile(const std::string& path);

// The folder of the running executable, with a trailing "/".
std::string ProgramFolder();

// Joins a folder (with or without a trailing "/") and a relative path.
std::string Join(std::string_view folder, std::string_view relative);

}  // namespace fileutil
