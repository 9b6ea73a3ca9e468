// A temporary folder of its own for the running test, named after the
// process and the test, made empty and removed again with the object.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"

class TempFolder {
public:
    TempFolder() : root_(std::filesystem::temp_directory_path() / Name()) {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~TempFolder() { std::filesystem::remove_all(root_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    // The path of a file or folder inside ("dat/bzinit.ini").
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
    // "marivo_<pid>_<suite>_<test>"; the '/' of parameterised names becomes '_'.
    static std::string Name() {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "marivo_" + std::to_string(getpid()) + "_" + test->test_suite_name() + "_" + test->name();
        std::replace(name.begin(), name.end(), '/', '_');
        return name;
    }

    std::filesystem::path root_;
};
