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

#include "app/fonts.h"
#include "engine/file_util.h"
#include "engine/gbk_codec.h"
#include "engine/ini_file.h"

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

template <typename T>
T* Child(QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no control %s", name);
    return child;
}
