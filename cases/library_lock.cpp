#include "cases/library_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <thread>

#include "engine/base/file_util.h"

namespace {

constexpr std::size_t kGenerationDigits = 20;
constexpr std::size_t kHolderWidth = 100;
constexpr std::size_t kFileSize = kGenerationDigits + 1 + kHolderWidth + 1;
constexpr std::chrono::milliseconds kRetry{25};

std::string LockPath(const std::string& dataFolder) { return fileutil::Join(dataFolder, "bazi.lock"); }

std::string ReadLockFile(int fd) {
    std::string bytes(kFileSize, '\0');
    ssize_t n = fd < 0 ? -1 : ::pread(fd, bytes.data(), bytes.size(), 0);
    bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return bytes;
}

long long GenerationIn(const std::string& bytes) {
    return std::strtoll(bytes.substr(0, kGenerationDigits).c_str(), nullptr, 10);
}

// "marivo-cli (process 1234)", for the message of a writer that has to wait.
std::string ThisProcess() {
    std::filesystem::path exe;
    std::error_code ec;
    exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::string name = ec ? std::string("marivo") : exe.filename().string();
    return name + " (process " + std::to_string(getpid()) + ")";
}

bool WriteLockFile(int fd, long long generation, const std::string& holder) {
    char digits[kGenerationDigits + 1];
    std::snprintf(digits, sizeof digits, "%020lld", generation);
    std::string text = std::string(digits) + "\n" + holder.substr(0, kHolderWidth);
    text.resize(kFileSize - 1, ' ');
    text += '\n';
    return fileutil::WriteAllAt(fd, 0, text.data(), text.size());
}

}  // namespace

LibraryLock::LibraryLock(const std::string& dataFolder, std::chrono::milliseconds patience) {
    fd_ = ::open(LockPath(dataFolder).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) return;
        std::this_thread::sleep_for(kRetry);
    }
    held_ = true;
    WriteLockFile(fd_, Generation(), ThisProcess());
}

LibraryLock::~LibraryLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

std::string LibraryLock::OtherHolder() const {
    std::string bytes = ReadLockFile(fd_);
    if (bytes.size() < kFileSize) return "another program";
    std::string holder = bytes.substr(kGenerationDigits + 1, kHolderWidth);
    holder.erase(holder.find_last_not_of(' ') + 1);
    return holder.empty() ? "another program" : holder;
}

long long LibraryLock::Generation() const { return GenerationIn(ReadLockFile(fd_)); }

bool LibraryLock::RaiseGeneration() {
    if (!held_) return false;
    return WriteLockFile(fd_, Generation() + 1, ThisProcess()) && ::fdatasync(fd_) == 0;
}

long long LibraryLock::PeekGeneration(const std::string& dataFolder) {
    int fd = ::open(LockPath(dataFolder).c_str(), O_RDONLY | O_CLOEXEC);
    long long generation = GenerationIn(ReadLockFile(fd));
    if (fd >= 0) ::close(fd);
    return generation;
}
