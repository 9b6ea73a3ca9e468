#include "cases/data_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/base/file_util.h"

namespace {

int OpenFlags(DataFile::Mode mode) {
    switch (mode) {
        case DataFile::Mode::Read: return O_RDONLY | O_CLOEXEC;
        case DataFile::Mode::Write: return O_RDWR | O_CLOEXEC;
        case DataFile::Mode::Create: return O_RDWR | O_CREAT | O_CLOEXEC;
    }
    return O_RDONLY | O_CLOEXEC;
}

}  // namespace

DataFile::DataFile(const std::string& path, Mode mode) {
    if (!path.empty()) fd_ = ::open(path.c_str(), OpenFlags(mode), 0644);
}

DataFile::~DataFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t DataFile::ReadAt(off_t offset, void* buffer, std::size_t size) const {
    auto* p = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd_, p + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool DataFile::ReadFullAt(off_t offset, void* buffer, std::size_t size) const {
    return ReadAt(offset, buffer, size) == size;
}

bool DataFile::WriteAt(off_t offset, const void* buffer, std::size_t size) {
    return fileutil::WriteAllAt(fd_, offset, buffer, size);
}

bool DataFile::Flush() {
    return ::fdatasync(fd_) == 0;
}

off_t DataFile::Size() const {
    struct stat st;
    return ::fstat(fd_, &st) == 0 ? st.st_size : -1;
}
