// Stores of sample cases for the benchmarks (see store_builder.h): every
// 97th slot deleted, five categories, eight surnames.
#pragma once

#include <map>
#include <string>

#include "bench/store_builder.h"
#include "cases/case_record.h"
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

// The store of `cases` sample cases under folder/dat.
inline void BuildStore(const std::string& folder, int32_t cases) { ::BuildStore(folder, cases, SampleCase); }

// The folder under which StoreOf builds its stores (the benchmark's main sets it).
inline std::string& Root() {
    static std::string root;
    return root;
}

// The program folder of a store of that many cases, built at its first use.
inline const std::string& StoreOf(int cases) {
    static std::map<int, std::string> built;
    auto [it, added] = built.try_emplace(cases, Root() + std::to_string(cases) + "/");
    if (added) BuildStore(it->second, cases);
    return it->second;
}

}  // namespace samplestore
