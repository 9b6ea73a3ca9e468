#include "engine/base/data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine/base/file_util.h"

namespace fs = std::filesystem;

namespace datafolder {

namespace {

constexpr std::string_view kDataSubfolder = "dat";

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool IsWritableFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

// The home folder: $HOME, else the account's entry in the password database.
std::string HomeFolder(const Environment& env) {
    if (const char* home = env("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
    return {};
}

// Creates the folder (and its parents) when missing; a folder made here is
// readable by the user alone, so that other accounts never see the cases.
bool MakeFolder(const std::string& path, std::string& error) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        fs::create_directories(path, ec);
        if (!ec) fs::permissions(path, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    if (!fs::is_directory(path, ec)) {
        error = "无法建立数据文件夹 " + path;
        return false;
    }
    if (::access(path.c_str(), W_OK | X_OK) != 0) {
        error = "数据文件夹 " + path + " 不能写入";
        return false;
    }
    return true;
}

}  // namespace

std::string UserDataFolder(const Environment& env) {
    const char* xdg = env("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return WithSlash(xdg) + "marivo/";
    const std::string home = HomeFolder(env);
    return home.empty() ? std::string() : WithSlash(home) + ".local/share/marivo/";
}

Folders Locate(const std::string& executableFolder, const Environment& env) {
    const std::string exe = WithSlash(executableFolder);
    const std::string beside = exe + std::string(kDataSubfolder);
    if (IsWritableFolder(beside)) return {exe, exe, false};
    std::error_code ec;
    // A read-only portable copy (a CD, a shared folder) ships its data beside
    // the executable; an install keeps it under <prefix>/share/marivo.
    std::string shipped = fs::is_directory(beside, ec) ? exe : exe + "../share/marivo/";
    if (fs::is_directory(shipped, ec)) shipped = WithSlash(fs::weakly_canonical(shipped, ec).string());
    return {UserDataFolder(env), shipped, true};
}

Folders Locate() {
    return Locate(fileutil::ProgramFolder(), [](const char* name) { return std::getenv(name); });
}

bool IsReadOnlyShippedFile(std::string_view fileName) {
    static constexpr std::array<std::string_view, 3> kReadOnly = {"hzlen.dat", "bzpingyu.dat", "bzzs.html"};
    for (std::string_view name : kReadOnly)
        if (fileName == name) return true;
    // The program's help pages, Marivo.html or Marivo.chm.
    return fileName.starts_with("Marivo.");
}

bool Prepare(const Folders& folders, std::string& error) {
    if (!folders.installed) return true;
    if (folders.user.empty()) {
        error = "找不到用户的主文件夹（没有设置 HOME），无法建立数据文件夹";
        return false;
    }
    const std::string userData = folders.user + std::string(kDataSubfolder);
    if (!MakeFolder(folders.user, error) || !MakeFolder(userData, error)) return false;

    std::error_code ec;
    const fs::path shippedData = folders.shipped + std::string(kDataSubfolder);
    bool ok = true;
    for (fs::directory_iterator it(shippedData, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!it->is_regular_file(ec) || IsReadOnlyShippedFile(name)) continue;
        const fs::path target = fs::path(userData) / name;
        std::error_code copyError;
        if (fs::exists(target, copyError)) continue;  // the user's own file stays as it is
        fs::copy_file(it->path(), target, fs::copy_options::skip_existing, copyError);
        if (copyError) ok = false;
    }
    if (!ok) error = "有些文件没能复制到数据文件夹 " + userData;
    return ok;
}

std::string ShippedFile(std::string_view userFolder, std::string_view relative) {
    const std::string own = fileutil::Join(userFolder, relative);
    if (fileutil::Exists(own)) return own;
    const std::string shipped = fileutil::Join(Locate().shipped, relative);
    return fileutil::Exists(shipped) ? shipped : own;
}

}  // namespace datafolder
