// One writer at a time for a whole case library. Every change to the case
// files (a new, changed or deleted case, clearing, importing) runs while its
// process holds an advisory lock on dat/bazi.lock; another writer (a second
// window, the command line) waits briefly and then gives up, naming the
// holder. Readers take no lock, so a library on a read-only disk can still
// be listed and exported.
//
// The lock file also keeps the library's generation, a number raised each
// time the whole library is replaced or cleared. A window notes it when it
// opens the library and refuses to write once it has changed: the cases it
// shows belong to a library that no longer exists.
//
// dat/bazi.lock: "<generation, 20 digits>\n<holder, padded with blanks>\n".
#pragma once

#include <chrono>
#include <string>

class LibraryLock {
public:
    static constexpr std::chrono::milliseconds kPatience{3000};

    // Waits up to `patience` for the lock of the library whose data folder
    // is given (creating its lock file when missing).
    explicit LibraryLock(const std::string& dataFolder, std::chrono::milliseconds patience = kPatience);
    ~LibraryLock();
    LibraryLock(const LibraryLock&) = delete;
    LibraryLock& operator=(const LibraryLock&) = delete;

    // Whether the lock file could be opened at all (not on a read-only disk).
    bool Opened() const { return fd_ >= 0; }
    bool Held() const { return held_; }
    // Who holds the lock when it was not taken: "marivo-cli (process 1234)".
    std::string OtherHolder() const;

    // The library's generation (0 for a library never replaced).
    long long Generation() const;
    // Counts one more replacement of the library; only while held.
    bool RaiseGeneration();

    // The generation as the lock file tells it, without taking the lock.
    static long long PeekGeneration(const std::string& dataFolder);

private:
    int fd_ = -1;
    bool held_ = false;
};
