// Case stores for the benchmarks, written straight into a temporary folder
// in the case files' own layout, block by block, as a long-used program
// would have left them.
#pragma once

#include <sys/statvfs.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cases/case_record.h"
#include "cases/store_layout.h"

// Writes `cases` records made by sample(n) under folder/dat.
template <typename Sample>
void BuildStore(const std::string& folder, int32_t cases, Sample sample) {
    std::filesystem::create_directories(folder + "dat");
    constexpr int32_t kBlock = 4096;
    std::vector<char> block;
    block.reserve(static_cast<std::size_t>(kBlock) * kCaseRecordSize);
    for (int file = 0; file < FilesForSlots(cases); ++file) {
        std::ofstream out(DataFilePath(folder + "dat/bazi", file), std::ios::binary | std::ios::trunc);
        if (file == 0) {
            HeaderBytes h = EncodeHeader({0, cases, 0, 0, static_cast<int16_t>(FilesForSlots(cases))});
            out.write(reinterpret_cast<const char*>(h.data()), h.size());
        }
        int32_t first = file * kRecordsPerFile, last = std::min(cases, first + kRecordsPerFile);
        for (int32_t n = first; n < last; ++n) {
            CaseBytes b = EncodeCase(sample(n));
            block.insert(block.end(), b.begin(), b.end());
            if (static_cast<int32_t>(block.size() / kCaseRecordSize) == kBlock || n + 1 == last) {
                out.write(block.data(), static_cast<std::streamsize>(block.size()));
                block.clear();
            }
        }
    }
}

// Whether the folder's file system has this many bytes free.
inline bool EnoughSpace(const std::string& folder, uintmax_t needed) {
    struct statvfs st;
    if (statvfs(folder.c_str(), &st) != 0) return false;
    uintmax_t free = static_cast<uintmax_t>(st.f_bavail) * st.f_frsize;
    std::fprintf(stderr, "free space in %s: %.1f GB\n", folder.c_str(), static_cast<double>(free) / 1e9);
    return free >= needed;
}
