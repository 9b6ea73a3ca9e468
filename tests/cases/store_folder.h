// A program folder of its own for each test, with an opened case store.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "cases/MDataBase.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "hand_built.h"
#include "tests/common/temp_folder.h"

struct RawHeader {
    int32_t slots, deleted;
    int reuse;
    int16_t files;
};

class StoreFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = root_.Path("prog") + "/";
        std::filesystem::create_directories(folder_);
        ASSERT_TRUE(store_.Open(folder_, 0));
    }

    std::string DataPath(int k) const { return folder_ + "dat/bazi" + std::to_string(k) + ".dat"; }

    static std::string Bytes(const std::string& path) {
        std::string bytes;
        fileutil::ReadAll(path, bytes);
        return bytes;
    }

    // The header as it lies in dat/bazi0.dat, read by offset.
    RawHeader Header() const {
        std::string h = Bytes(DataPath(0));
        if (h.size() < 20) return {-1, -1, -1, -1};
        return {static_cast<int32_t>(handbuilt::GetLE(h, 4, 4)), static_cast<int32_t>(handbuilt::GetLE(h, 8, 4)),
                static_cast<unsigned char>(h[12]), static_cast<int16_t>(handbuilt::GetLE(h, 14, 2))};
    }

    // The 1256 bytes the store writes for a record.
    static std::string Raw(const CaseRecord& record) {
        CaseBytes bytes = EncodeCase(record);
        return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }

    static void Write(const std::string& path, std::string_view bytes) {
        ASSERT_TRUE(fileutil::WriteAtomically(path, bytes));
    }

    // Adds cases named 甲0, 甲1, … and returns the number of the last.
    int AddNamed(int count) {
        int last = -1;
        for (int i = 0; i < count; ++i) {
            CaseRecord r = MakeCase("甲" + std::to_string(i));
            last = store_.AddCase(r);
        }
        return last;
    }

    static CaseRecord MakeCase(std::string_view name, std::string_view category = "临时保存",
                               int16_t year = 1990, bool male = true, int16_t province = 0) {
        CaseRecord record{};
        gbk::WriteField(record.a.name, name);
        gbk::WriteField(record.category, category);
        gbk::WriteField(record.note, "备注:\r\n第二行");
        record.a.year = year;
        record.a.month = 5;
        record.a.day = 3;
        record.a.male = male ? 1 : 0;
        record.a.province = province;
        gbk::WriteField(record.b.name, "乙");
        record.b.year = 1992;
        return record;
    }

    TempFolder root_;
    std::string folder_;
    MDataBase store_;
};
