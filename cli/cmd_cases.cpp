// marivo-cli cases: the case library of a program folder, for people who
// script it and for checks.
//
//   cases --dir PROGRAM_FOLDER list [--all] [--json]
//   cases --dir PROGRAM_FOLDER find [--name TEXT] [--name-exact] [--category TEXT]
//         [--category-exact] [--sex 男|女] [--years FROM TO] [--province N] [--json]
//   cases --dir PROGRAM_FOLDER export FOLDER
//   cases --dir PROGRAM_FOLDER import FILE     (replaces the whole library)
//
// Years are written as users write them: no year 0, 1 BC is −1.
#include <charconv>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cases/MDataBase.h"
#include "cases/case_listing.h"
#include "cases/store_backup.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "engine/base/gbk_codec.h"
#include "engine/symbols/records.h"

namespace {

constexpr const char* kUsage =
    "cases --dir PROGRAM_FOLDER list [--all] [--json] | find [--name TEXT] [--name-exact] "
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
    return printed == 0 ? ErrorExit(1, "cases: no case found") : 0;
}

// ---- sub-commands -----------------------------------------------------------

int RunList(const MDataBase& store, const Args& args) {
    bool all = false;
    bool json = false;
    for (const std::string& a : args) {
        if (a == "--all") all = true;
        else if (a == "--json") json = true;
        else return Fail("unknown option for list: " + a);
    }
    return PrintCases(store, all ? ListingScope::AllSlots : ListingScope::Matching, SearchCriteria{}, json);
}

// Reads a text condition into a fixed GBK field; false with a message when
// it does not fit or has characters GBK lacks.
bool SetText(char* field, std::size_t size, const std::string& text, const char* what, std::string& error) {
    if (gbk::ToUtf8(gbk::FromUtf8(text)) != text) {
        error = std::string(what) + " has characters that cannot be stored: " + text;
        return false;
    }
    if (gbk::Width(text) > size - 1) {
        error = std::string(what) + " is longer than " + std::to_string(size - 1) + " bytes: " + text;
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
        error = "sex must be 男 or 女: " + text;
        return false;
    }
    c.sexOn = 1;
    c.sex = text == "男" ? 1 : 0;
    return true;
}

bool SetProvince(const std::string& text, SearchCriteria& c, std::string& error) {
    int p = 0;
    if (!ParseInt(text, p) || p < -1 || p > 32767) {
        error = "province must be an index of the province list: " + text;
        return false;
    }
    c.province = static_cast<int16_t>(p);
    return true;
}

bool SetYears(const std::string& from, const std::string& to, SearchCriteria& c, std::string& error) {
    if (!ParseUserYear(from, c.yearFrom) || !ParseUserYear(to, c.yearTo)) {
        error = "years must lie in -850 … 2100, without a year 0: " + from + " " + to;
        return false;
    }
    if (c.yearTo < c.yearFrom) {
        error = "the last year comes before the first: " + from + " " + to;
        return false;
    }
    c.yearsOn = 1;
    return true;
}

struct FindOptions {
    SearchCriteria criteria;
    bool json = false;
    std::string error;
};

// Takes the option at args[i] and its values, moving i past them.
bool ParseFindOption(const Args& args, std::size_t& i, FindOptions& o) {
    SearchCriteria& c = o.criteria;
    const std::string a = args[i];
    if (a == "--json") o.json = true;
    else if (a == "--name-exact") c.nameMode = 2;
    else if (a == "--category-exact") c.categoryMode = 2;
    if (a == "--json" || a == "--name-exact" || a == "--category-exact") return true;

    if (a != "--name" && a != "--category" && a != "--sex" && a != "--province" && a != "--years") {
        o.error = "unknown option for find: " + a;
        return false;
    }
    std::size_t values = a == "--years" ? 2 : 1;
    if (i + values >= args.size()) {
        o.error = a + (values == 2 ? " needs FROM and TO" : " needs a value");
        return false;
    }
    const std::string& v = args[++i];
    if (a == "--name") {
        if (c.nameMode == 0) c.nameMode = 1;
        return SetText(c.name, sizeof c.name, v, "name", o.error);
    }
    if (a == "--category") {
        if (c.categoryMode == 0) c.categoryMode = 1;
        return SetText(c.category, sizeof c.category, v, "category", o.error);
    }
    if (a == "--sex") return SetSex(v, c, o.error);
    if (a == "--province") return SetProvince(v, c, o.error);
    return SetYears(v, args[++i], c, o.error);
}

int RunFind(const MDataBase& store, const Args& args) {
    FindOptions o;
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!ParseFindOption(args, i, o)) return Fail(o.error);
    // An empty text switches its condition off, as in the search dialog.
    if (o.criteria.name[0] == '\0') o.criteria.nameMode = 0;
    if (o.criteria.category[0] == '\0') o.criteria.categoryMode = 0;
    return PrintCases(store, ListingScope::Matching, o.criteria, o.json);
}

int ReportTransfer(const TransferResult& r, const std::string& what, const std::string& where,
                   const std::string& busyWith = {}) {
    switch (r.status) {
        case TransferStatus::OwnStore: return Fail(where + " is the program's own case store");
        case TransferStatus::NoStore:
            return Fail(where + " is not a case library (no sound header, or data files missing or cut short)");
        case TransferStatus::Busy: return Fail("the case library is in use by " + busyWith);
        case TransferStatus::Failed: return Fail("some files could not be copied (" + what + " " + where + ")");
        case TransferStatus::Done: break;
    }
    std::printf("%s %d data files and %d report files: %s\n", what.c_str(), r.dataFiles, r.reportFiles,
                where.c_str());
    return 0;
}

int RunExport(const MDataBase& store, const Args& args) {
    if (args.size() != 1) return Fail("export needs one FOLDER");
    return ReportTransfer(store.ExportTo(args[0]), "exported", args[0]);
}

// Replaces the whole library with the one beside FILE, as the File menu's
// import does: the source is checked first, then the old library is copied
// into a backup folder, and only a complete backup lets the import go on.
int RunImport(MDataBase& store, const std::string& folder, const Args& args) {
    if (args.size() != 1) return Fail("import needs one FILE");
    TransferStatus check = store.CheckImportSource(args[0]);
    if (check != TransferStatus::Done) return ReportTransfer({check, 0, 0}, "imported", args[0]);
    std::string backup;
    if (librarybackup::HasLibraryFiles(folder)) {
        backup = librarybackup::NewBackupFolder(folder, std::time(nullptr));
        if (!librarybackup::BackUpLibrary(folder, backup))
            return Fail("cannot back up the case library to " + backup + "; the library was not changed");
    }
    int status = ReportTransfer(store.ImportFrom(args[0]), "imported", args[0], store.OtherWriter());
    if (status == 0 && !backup.empty()) std::printf("the old library was backed up to %s\n", backup.c_str());
    return status;
}

int RunCases(const Args& args) {
    if (args.size() < 3 || args[0] != "--dir") return Fail(std::string("usage: ") + kUsage);
    const std::string& folder = args[1];
    std::error_code ec;
    if (!std::filesystem::is_directory(std::filesystem::path(folder) / "dat", ec))
        return Fail(folder + " is not a program folder (it has no dat folder)");
    const std::string& sub = args[2];
    // Reading commands touch nothing, so a library on a read-only disk works.
    const bool reading = sub == "list" || sub == "find" || sub == "export";
    MDataBase store;
    if (!store.Open(folder, 0, reading ? MDataBase::Access::ReadOnly : MDataBase::Access::ReadWrite))
        return Fail("cannot open the case store in " + folder);

    Args rest(args.begin() + 3, args.end());
    if (sub == "list") return RunList(store, rest);
    if (sub == "find") return RunFind(store, rest);
    if (sub == "export") return RunExport(store, rest);
    if (sub == "import") return RunImport(store, folder, rest);
    return Fail("unknown sub-command " + sub + "; usage: " + kUsage);
}

const CliRegistration kRegistration{"cases", kUsage, RunCases};

}  // namespace
