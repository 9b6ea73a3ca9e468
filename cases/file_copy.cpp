#include "cases/file_copy.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/base/file_util.h"

namespace fs = std::filesystem;

namespace filecopy {
namespace {

// The *.rtf files directly inside a folder (none when it cannot be listed).
std::vector<fs::path> Reports(const std::string& folder) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->path().extension() == ".rtf" && it->is_regular_file(typeError)) found.push_back(it->path());
    }
    return found;
}

}  // namespace

bool CopyReplacing(const std::string& from, const std::string& to) {
    const std::string part = fileutil::UniqueSibling(to, kPartTag);
    std::error_code ec;
    // Case files are forced onto the disk, reports are left to the system.
    bool ok = fileutil::CopyFile(from, part, fs::path(from).extension() == ".dat");
    if (ok) fs::rename(part, to, ec);
    ok = ok && !ec;
    if (!ok) fs::remove(part, ec);
    return ok;
}

bool CopyReports(const std::string& fromFolder, const std::string& toFolder, int& copied) {
    std::error_code ec;
    fs::create_directories(toFolder, ec);
    if (!fs::is_directory(toFolder, ec)) return false;
    bool ok = true;
    for (const fs::path& report : Reports(fromFolder)) {
        if (CopyReplacing(report.string(), (fs::path(toFolder) / report.filename()).string()))
            ++copied;
        else
            ok = false;
    }
    return ok;
}

bool RemoveReports(const std::string& folder) {
    bool ok = true;
    for (const fs::path& report : Reports(folder)) ok = RemoveFile(report.string()) && ok;
    return ok;
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
    return !ec;
}

bool SameFolder(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace filecopy
