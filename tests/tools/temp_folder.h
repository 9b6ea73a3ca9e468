// A temporary folder of its own for a test, removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/file_util.h"
#include "engine/gbk_codec.h"

class TempFolder {
public:
    TempFolder()
        : root_(std::filesystem::temp_directory_path() /
                ("marivo_tools_" + std::to_string(getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~TempFolder() { std::filesystem::remove_all(root_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(std::string_view name) const { return (root_ / name).string(); }
    std::string WriteBytes(std::string_view name, std::string_view bytes) const {
        fileutil::WriteAtomically(Path(name), bytes);
        return Path(name);
    }
    // Writes UTF-8 text as GBK.
    std::string WriteGbk(std::string_view name, std::string_view utf8) const {
        return WriteBytes(name, gbk::FromUtf8(utf8));
    }

private:
    std::filesystem::path root_;
};
