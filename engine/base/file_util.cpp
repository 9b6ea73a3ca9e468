#include "engine/base/file_util.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>

#include "engine/base/write_fault.h"

namespace fileutil {
namespace {

// Bytes that may still be written before every write fails as on a full
// disk; negative while writes are not limited.
std::atomic<long long> writeBudget{-1};

// How much of `size` bytes the disk takes now; 0 with errno ENOSPC when the
// budget of a failing disk is spent.
std::size_t Allowance(std::size_t size) {
    long long budget = writeBudget.load();
    if (budget < 0) return size;
    if (budget == 0) {
        errno = ENOSPC;
        return 0;
    }
    std::size_t allowed = std::min<std::size_t>(size, static_cast<std::size_t>(budget));
    writeBudget -= static_cast<long long>(allowed);
    return allowed;
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting whether the close (the last chance for a delayed
    // write error) succeeded.
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool ReadFd(int fd, std::string& bytes) {
    std::string out;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    bytes = std::move(out);
    return true;
}

bool IsRegularFile(int fd) {
    struct stat st;
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

void FailWritesAfter(long long bytes) { writeBudget = bytes; }
void StopFailingWrites() { writeBudget = -1; }

bool ReadAll(const std::string& path, std::string& bytes) {
    Fd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    // A folder where a file belongs counts as a missing file.
    if (file.get() < 0 || !IsRegularFile(file.get())) return false;
    return ReadFd(file.get(), bytes);
}

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        std::size_t allowed = Allowance(size);
        ssize_t n = allowed == 0 ? -1 : ::write(fd, p, allowed);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteAllAt(int fd, off_t offset, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        std::size_t allowed = Allowance(size);
        ssize_t n = allowed == 0 ? -1 : ::pwrite(fd, p, allowed, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        offset += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string UniqueSibling(const std::string& path, std::string_view tag) {
    return path + "." + std::string(tag) + std::to_string(getpid());
}

bool WriteAtomically(const std::string& path, std::string_view bytes) {
    std::string temp = UniqueSibling(path, "tmp");
    Fd file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (file.get() < 0) return false;
    bool ok = WriteAll(file.get(), bytes.data(), bytes.size()) && ::fsync(file.get()) == 0;
    ok = file.Close() && ok;
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

bool CopyFile(const std::string& from, const std::string& to, bool durable) {
    Fd source(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (source.get() < 0 || !IsRegularFile(source.get())) return false;
    Fd target(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (target.get() < 0) return false;
    char buffer[1 << 16];
    bool ok = true;
    for (;;) {
        ssize_t n = ::read(source.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        if (!WriteAll(target.get(), buffer, static_cast<std::size_t>(n))) {
            ok = false;
            break;
        }
    }
    if (durable) ok = ok && ::fsync(target.get()) == 0;
    return target.Close() && ok;
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool ReadableFile(const std::string& path) {
    Fd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return file.get() >= 0 && IsRegularFile(file.get());
}

std::string ProgramFolder() {
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string exe(buf, static_cast<std::size_t>(n));
    return exe.substr(0, exe.rfind('/') + 1);
}

std::string Join(std::string_view folder, std::string_view relative) {
    std::string out(folder);
    if (!out.empty() && out.back() != '/') out += '/';
    out += relative;
    return out;
}

}  // namespace fileutil
