// Shared by the window tests: a program folder of its own (a temporary
// folder with dat/ and the shipped place file) and helpers to find controls.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <string>

#include "widgets/fonts.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "engine/base/ini_file.h"
#include "engine/symbols/records.h"

class ProgramFolder {
public:
    // withPlaces: copy the shipped dat/dili.ini.
    explicit ProgramFolder(bool withPlaces = true) {
        std::filesystem::create_directories(Path("dat"));
        if (withPlaces)
            std::filesystem::copy_file(std::string(MARIVO_SOURCE_DIR) + "/dat/dili.ini", Path("dat/dili.ini"));
    }
    std::string Folder() const { return dir_.path().toStdString() + "/"; }
    std::string Path(const std::string& relative) const { return Folder() + relative; }
    IniFile Settings() const { return IniFile(Path("dat/bzinit.ini")); }
    IniFile Places() const { return IniFile(Path("dat/dili.ini")); }
    // Writes a file given as UTF-8 text in GBK.
    void WriteGbk(const std::string& relative, const std::string& utf8) const {
        fileutil::WriteAtomically(Path(relative), gbk::FromUtf8(utf8));
    }

private:
    QTemporaryDir dir_;
};

// 甲命's birth record on a solar date with no place chosen ("未知", the
// province "未知地", 120°E 30°N).
inline BirthData BirthAtNoPlace(const char* name, int year, int month, int day, int hour, bool male) {
    BirthData birth{};
    gbk::WriteField(birth.name, name);
    birth.year = static_cast<int16_t>(year), birth.month = static_cast<int16_t>(month);
    birth.day = static_cast<int16_t>(day), birth.hour = static_cast<int16_t>(hour);
    birth.male = male ? 1 : 0;
    birth.province = 34;
    birth.longitude = 120.0f, birth.latitude = 30.0f;
    gbk::WriteField(birth.place, "未知");
    return birth;
}

// The file's bytes; empty when it cannot be read.
inline std::string FileBytes(const std::string& path) {
    std::string bytes;
    fileutil::ReadAll(path, bytes);
    return bytes;
}

template <typename T>
T* Child(QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no control %s", name);
    return child;
}
