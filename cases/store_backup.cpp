#include "cases/store_backup.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "cases/file_copy.h"
#include "cases/store_layout.h"
#include "engine/base/file_util.h"

namespace fs = std::filesystem;

namespace librarybackup {
namespace {

// "bazi<digits>.dat": a data file of the case store.
bool IsCaseFileName(const std::string& name) {
    constexpr std::string_view prefix = "bazi", suffix = ".dat";
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
        return false;
    for (std::size_t i = prefix.size(); i < name.size() - suffix.size(); ++i)
        if (name[i] < '0' || name[i] > '9') return false;
    return true;
}

// The paths of the case files in dat/, and of the reports in bazi_f/.
std::vector<fs::path> FilesIn(const std::string& folder, bool caseFiles) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string name = it->path().filename().string();
        if (caseFiles ? IsCaseFileName(name) : it->path().extension() == ".rtf") found.push_back(it->path());
    }
    return found;
}

std::string DataFolder(const std::string& programFolder) { return fileutil::Join(programFolder, "dat/"); }
std::string ReportFolder(const std::string& programFolder) { return fileutil::Join(programFolder, "bazi_f/"); }

}  // namespace

bool HasLibraryFiles(const std::string& programFolder) {
    for (const fs::path& file : FilesIn(DataFolder(programFolder), true)) {
        std::error_code ec;
        if (fs::file_size(file, ec) > kStoreHeaderSize && !ec) return true;
    }
    return !FilesIn(ReportFolder(programFolder), false).empty();
}

std::string NewBackupFolder(const std::string& programFolder, std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d_%H%M%S", &local);
    const std::string base = fileutil::Join(programFolder, std::string("bazi_backup_") + stamp);
    std::string folder = base;
    std::error_code ec;
    for (int n = 2; fs::exists(folder, ec); ++n) folder = base + "_" + std::to_string(n);
    return folder + "/";
}

bool BackUpLibrary(const std::string& programFolder, const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) return false;
    bool ok = true;
    for (const fs::path& file : FilesIn(DataFolder(programFolder), true))
        ok = filecopy::CopyReplacing(file.string(), fileutil::Join(folder, file.filename().string())) && ok;
    int copied = 0;
    ok = filecopy::CopyReports(ReportFolder(programFolder), fileutil::Join(folder, "bazi_f/"), copied) && ok;
    return ok;
}

}  // namespace librarybackup
