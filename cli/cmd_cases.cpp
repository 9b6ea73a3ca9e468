// marivo-cli cases: the case library of a program folder, for people who
// script it and for checks.
//
//   cases [--dir PROGRAM_FOLDER] list [--all] [--json]
//   cases [--dir PROGRAM_FOLDER] find [--name TEXT] [--name-exact] [--category TEXT]
//         [--category-exact] [--sex 男|女] [--years FROM TO] [--province N] [--json]
//   cases [--dir PROGRAM_FOLDER] export FOLDER
//   cases [--dir PROGRAM_FOLDER] import FILE     (replaces the whole library)
//
// Without --dir the library is the one the window uses.
// Years are written as users write them: no year 0, 1 BC is −1.
#include <charconv>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cases/MDataBase.h"
#include "cases/case_listing.h"
#include "cases/store_backup.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "engine/base/gbk_codec.h"
#include "engine/symbols/records.h"
#include "cli/program_folder.h"

namespace {

constexpr const char* kUsage =
    "cases [--dir PROGRAM_FOLDER] list [--all] [--json] | find [--name TEXT] [--name-exact] "
    "[--category TEXT] [--category-exact] [--sex 男|女] [--years FROM TO] [--province N] [--json] | "
    "export FOLDER | import FILE";

int Fail(const std::string& message) { return ErrorExit(2, "cases: " + message); }

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// ---- output ---------------------------------------------------------------

std::string Bool(uint8_t flag) { return flag ? "true" : "false"; }

std::string PersonJson(const CasePerson& p) {
    return "{\"name\":" + JsonString(gbk::ReadField(p.name)) + ",\"year\":" + std::to_string(p.year) +
           ",\"month\":" + std::to_string(p.month) + ",\"day\":" + std::to_string(p.day) +
           ",\"hour\":" + std::to_string(p.hour) + ",\"minute\":" + std::to_string(p.minute) +
           ",\"lunar\":" + Bool(p.lunar) + ",\"leap\":" + Bool(p.leap) + ",\"male\":" + Bool(p.male) +
           ",\"province\":" + std::to_string(p.province) + ",\"city\":" + std::to_string(p.city) +
           ",\"longitude\":" + JsonFloat(p.longitude) + ",\"latitude\":" + JsonFloat(p.latitude) +
           ",\"place\":" + JsonString(gbk::ReadField(p.place)) + "}";
}

std::string CaseJson(int number, const CaseRecord& r) {
    return "{\"number\":" + std::to_string(number) + ",\"deleted\":" + Bool(r.deleted) +
           ",\"category\":" + JsonString(gbk::ReadField(r.category)) +
           ",\"note\":" + JsonString(gbk::ReadField(r.note)) + ",\"a\":" + PersonJson(r.a) +
           ",\"b\":" + PersonJson(r.b) + "}";
}

// "张三 男 农闰1990-5-3 08:30 浙江-杭州", the year as users write it.
std::string PersonText(const CasePerson& p) {
    char when[64];
    std::snprintf(when, sizeof when, "%s%s%d-%d-%d %02d:%02d", p.lunar ? "农" : "公", p.lunar && p.leap ? "闰" : "",
                  DisplayYear(p.year), p.month, p.day, p.hour, p.minute);
    return gbk::ReadField(p.name) + (p.male ? " 男 " : " 女 ") + when + " " + gbk::ReadField(p.place);
}

// The text followed by blanks up to the column width (Chinese characters
// take two columns, as in GBK).
std::string Padded(const std::string& text, std::size_t width) {
    std::size_t used = gbk::Width(text);
    return text + std::string(used < width ? width - used : 1, ' ');
}

void PrintTableHead() {
    std::printf("%s%s%s%s%s\n", Padded("number", 8).c_str(), Padded("state", 9).c_str(),
                Padded("category", 16).c_str(), Padded("A", 44).c_str(), "B");
}

void PrintTableRow(int number, const CaseRecord& r) {
    std::printf("%s%s%s%s%s\n", Padded(std::to_string(number), 8).c_str(),
                Padded(r.deleted ? "deleted" : "live", 9).c_str(), Padded(gbk::ReadField(r.category), 16).c_str(),
                Padded(PersonText(r.a), 44).c_str(), PersonText(r.b).c_str());
}

// Prints one case as a JSON line or a table row (the head before the first).
void PrintCase(int n, const CaseRecord& r, bool json, int& printed) {
    if (printed++ == 0 && !json) PrintTableHead();
    if (json)
        std::printf("%s\n", CaseJson(n, r).c_str());
    else
        PrintTableRow(n, r);
}

// Prints the cases the listing streams; 1 when there were none.
int PrintCases(const MDataBase& store, ListingScope scope, const SearchCriteria& criteria, bool json) {
    int printed = 0;
    StreamCases(store, scope, criteria, [&](int n, const CaseRecord& r) { PrintCase(n, r, json, printed); });
    return printed == 0 ? ErrorExit(1, "cases: 没有找到命例") : 0;
}

// ---- sub-commands -----------------------------------------------------------

// The arguments of every sub-command, as they were given.
struct CasesOptions {
    std::string folder;
    // list
    bool all = false;
    // find
    std::string name, category, sex, province;
    std::vector<std::string> years;
    bool nameExact = false, categoryExact = false;
    // list and find
    bool json = false;
    // export and import
    std::string path;
};

int RunList(const MDataBase& store, const CasesOptions& o) {
    return PrintCases(store, o.all ? ListingScope::AllSlots : ListingScope::Matching, SearchCriteria{}, o.json);
}

// Reads a text condition into a fixed GBK field; false with a message when
// it does not fit or has characters GBK lacks.
bool SetText(char* field, std::size_t size, const std::string& text, const char* what, std::string& error) {
    if (gbk::ToUtf8(gbk::FromUtf8(text)) != text) {
        error = std::string(what) + " 含有GBK无法保存的字符：" + text;
        return false;
    }
    if (gbk::Width(text) > size - 1) {
        error = std::string(what) + " 超过 " + std::to_string(size - 1) + " 字节：" + text;
        return false;
    }
    gbk::WriteField(field, size, text);
    return true;
}

// A year as users write it, stored astronomically.
bool ParseUserYear(const std::string& text, int16_t& year) {
    int y = 0;
    if (!ParseInt(text, y) || y < -850 || y > 2100 || y == 0) return false;
    year = static_cast<int16_t>(y < 0 ? y + 1 : y);
    return true;
}

bool SetSex(const std::string& text, SearchCriteria& c, std::string& error) {
    if (text != "男" && text != "女") {
        error = "性别只能是男或女：" + text;
        return false;
    }
    c.sexOn = 1;
    c.sex = text == "男" ? 1 : 0;
    return true;
}

bool SetProvince(const std::string& text, SearchCriteria& c, std::string& error) {
    int p = 0;
    if (!ParseInt(text, p) || p < -1 || p > 32767) {
        error = "省份须是省份列表中的序号：" + text;
        return false;
    }
    c.province = static_cast<int16_t>(p);
    return true;
}

bool SetYears(const std::string& from, const std::string& to, SearchCriteria& c, std::string& error) {
    if (!ParseUserYear(from, c.yearFrom) || !ParseUserYear(to, c.yearTo)) {
        error = "年份须在-850到2100之间，没有0年：" + from + " " + to;
        return false;
    }
    if (c.yearTo < c.yearFrom) {
        error = "结束年份早于起始年份：" + from + " " + to;
        return false;
    }
    c.yearsOn = 1;
    return true;
}

// The search conditions of find; false with a message for the first one
// that cannot be used. An empty text switches its condition off, as in the
// search dialog.
bool FindCriteria(const CasesOptions& o, SearchCriteria& c, std::string& error) {
    if (!o.name.empty()) {
        if (!SetText(c.name, sizeof c.name, o.name, "name", error)) return false;
        c.nameMode = o.nameExact ? 2 : 1;
    }
    if (!o.category.empty()) {
        if (!SetText(c.category, sizeof c.category, o.category, "category", error)) return false;
        c.categoryMode = o.categoryExact ? 2 : 1;
    }
    if (!o.sex.empty() && !SetSex(o.sex, c, error)) return false;
    if (!o.province.empty() && !SetProvince(o.province, c, error)) return false;
    return o.years.empty() || SetYears(o.years[0], o.years[1], c, error);
}

int RunFind(const MDataBase& store, const CasesOptions& o) {
    SearchCriteria criteria;
    std::string error;
    if (!FindCriteria(o, criteria, error)) return Fail(error);
    return PrintCases(store, ListingScope::Matching, criteria, o.json);
}

int ReportTransfer(const TransferResult& r, const std::string& what, const std::string& where,
                   const std::string& busyWith = {}) {
    switch (r.status) {
        case TransferStatus::OwnStore: return Fail(where + " 是本程序自己的命例库");
        case TransferStatus::NoStore:
            return Fail(where + " 不是命例库（文件头不完整，或数据文件缺少、不完整）");
        case TransferStatus::Busy: return Fail("命例库正被另一个程序使用：" + busyWith);
        case TransferStatus::Failed: return Fail("有文件未能复制（" + what + " " + where + "）");
        case TransferStatus::Done: break;
    }
    std::printf("%s %d 个数据文件和 %d 个命稿文件：%s\n", what.c_str(), r.dataFiles, r.reportFiles,
                where.c_str());
    return 0;
}

int RunExport(const MDataBase& store, const CasesOptions& o) {
    return ReportTransfer(store.ExportTo(o.path), "已导出", o.path);
}

// Replaces the whole library with the one beside FILE, as the File menu's
// import does: the source is checked first, then the old library is copied
// into a backup folder, and only a complete backup lets the import go on.
int RunImport(MDataBase& store, const std::string& folder, const CasesOptions& o) {
    TransferStatus check = store.CheckImportSource(o.path);
    if (check != TransferStatus::Done) return ReportTransfer({check, 0, 0}, "已导入", o.path);
    std::string backup;
    if (librarybackup::HasLibraryFiles(folder)) {
        backup = librarybackup::NewBackupFolder(folder, std::time(nullptr));
        if (!librarybackup::BackUpLibrary(folder, backup))
            return Fail("无法把命例库备份到 " + backup + "，命例库没有改动");
    }
    int status = ReportTransfer(store.ImportFrom(o.path), "已导入", o.path, store.OtherWriter());
    if (status == 0 && !backup.empty()) std::printf("原来的命例库已备份到 %s\n", backup.c_str());
    return status;
}

enum class SubCommand { List, Find, Export, Import };

int RunCases(const CasesOptions& o, SubCommand sub) {
    std::string folder = o.folder;
    if (folder.empty()) {
        folder = UserProgramFolder();
    } else {
        std::error_code ec;
        if (!std::filesystem::is_directory(std::filesystem::path(folder) / "dat", ec))
            return Fail(folder + " 不是程序文件夹（其中没有 dat 文件夹）");
    }
    // Reading commands touch nothing, so a library on a read-only disk works.
    const bool reading = sub != SubCommand::Import;
    MDataBase store;
    if (!store.Open(folder, 0, reading ? MDataBase::Access::ReadOnly : MDataBase::Access::ReadWrite))
        return Fail("无法打开命例库：" + folder);

    switch (sub) {
        case SubCommand::List: return RunList(store, o);
        case SubCommand::Find: return RunFind(store, o);
        case SubCommand::Export: return RunExport(store, o);
        case SubCommand::Import: return RunImport(store, folder, o);
    }
    return 2;
}

CommandRun DefineCases(CLI::App& command) {
    auto o = std::make_shared<CasesOptions>();
    command.add_option("--dir", o->folder, "程序文件夹（其 dat/ 存放命例库），默认与窗口相同")->type_name("PROGRAM_FOLDER");
    command.require_subcommand(1);
    command.fallthrough();  // --dir may also follow the sub-command

    CLI::App* list = command.add_subcommand("list", "列出命例（默认列出前300号中未删除的）");
    list->add_flag("--all", o->all, "列出所有号码，包括已删除的");
    list->add_flag("--json", o->json, "每个命例一行 JSON（JSON Lines）");

    CLI::App* find = command.add_subcommand("find", "按条件查找命例，条件同查找对话框");
    find->add_option("--name", o->name, "姓名包含这段文字")->type_name("TEXT");
    find->add_flag("--name-exact", o->nameExact, "姓名与 --name 完全相同");
    find->add_option("--category", o->category, "类别包含这段文字")->type_name("TEXT");
    find->add_flag("--category-exact", o->categoryExact, "类别与 --category 完全相同");
    find->add_option("--sex", o->sex, "性别")->type_name("男|女");
    find->add_option("--years", o->years, "出生年份在 FROM 到 TO 之间（公元前写负数）")
        ->expected(2)
        ->type_name("YEAR");
    find->add_option("--province", o->province, "省份列表中的序号")->type_name("N");
    find->add_flag("--json", o->json, "每个命例一行 JSON（JSON Lines）");

    CLI::App* exportTo = command.add_subcommand("export", "把整个命例库和命稿复制到一个文件夹");
    exportTo->add_option("folder", o->path, "目标文件夹")->required()->type_name("FOLDER");
    CLI::App* import = command.add_subcommand("import", "用 FILE 所在的命例库替换整个命例库（先把原来的备份到 bazi_backup_…）");
    import->add_option("file", o->path, "另一个命例库的 bazi0.dat")->required()->type_name("FILE");

    return [o, list, find, exportTo] {
        const SubCommand sub = list->parsed()       ? SubCommand::List
                               : find->parsed()     ? SubCommand::Find
                               : exportTo->parsed() ? SubCommand::Export
                                                    : SubCommand::Import;
        return RunCases(*o, sub);
    };
}

const CliRegistration kRegistration{"cases", kUsage, "命例库：列出、查找、导出、导入", DefineCases};

}  // namespace
