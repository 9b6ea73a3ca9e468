// One case file opened for the length of one store operation and closed
// when the object goes out of scope.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

class DataFile {
public:
    enum class Mode { Read, Write, Create };

    // Read: read only. Write: read and write an existing file. Create: read
    // and write, creating the file when it is missing.
    DataFile(const std::string& path, Mode mode);
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    // Reads up to size bytes at offset; returns the bytes read (short at the
    // end of the file, 0 on error).
    std::size_t ReadAt(off_t offset, void* buffer, std::size_t size) const;
    bool ReadFullAt(off_t offset, void* buffer, std::size_t size) const;
    bool WriteAt(off_t offset, const void* buffer, std::size_t size);
    // Forces what was written onto the disk.
    bool Flush();
    // File size in bytes; −1 on error.
    off_t Size() const;

private:
    int fd_ = -1;
};
