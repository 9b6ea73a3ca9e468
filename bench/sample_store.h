// Stores of sample cases for the benchmarks, written file by file in the
// documented record layout as a long-used program would have left them:
// every 97th slot deleted, five categories, eight surnames.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cases/case_record.h"
#include "cases/store_layout.h"
#include "engine/base/gbk_codec.h"

namespace samplestore {

inline const char* const kSurnames[] = {"张", "王", "李", "赵", "欧阳", "陈", "刘", "杨"};
inline const char* const kCategories[] = {"同事", "同学", "亲戚", "临时保存", "客户"};

inline CaseRecord SampleCase(int32_t n) {
    CaseRecord r{};
    r.number = n;
    r.deleted = n % 97 == 0 ? 1 : 0;
    gbk::WriteField(r.a.name, std::string(kSurnames[n % 8]) + (n % 3 ? "小明" : "丽"));
    gbk::WriteField(r.category, kCategories[n % 5]);
    gbk::WriteField(r.note, "备注:\r\n样本");
    r.a.year = static_cast<int16_t>(1900 + n % 120);
    r.a.month = 1 + n % 12;
    r.a.day = 1 + n % 28;
    r.a.male = n % 2;
    r.a.province = static_cast<int16_t>(n % 35);
    gbk::WriteField(r.b.name, "乙");
    return r;
}

// Writes the store file by file in large blocks, as a long-used program
// would have left it.
inline void BuildStore(const std::string& folder, int32_t cases) {
    std::filesystem::create_directories(folder + "dat");
    for (int file = 0; file < FilesForSlots(cases); ++file) {
        std::ofstream out(DataFilePath(folder + "dat/bazi", file), std::ios::binary | std::ios::trunc);
        if (file == 0) {
            HeaderBytes h = EncodeHeader({0, cases, 0, 0, static_cast<int16_t>(FilesForSlots(cases))});
            out.write(reinterpret_cast<const char*>(h.data()), h.size());
        }
        std::vector<char> block;
        int32_t first = file * kRecordsPerFile;
        for (int32_t n = first; n < std::min(cases, first + kRecordsPerFile); ++n) {
            CaseBytes b = EncodeCase(SampleCase(n));
            block.insert(block.end(), b.begin(), b.end());
        }
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
}

}  // namespace samplestore
