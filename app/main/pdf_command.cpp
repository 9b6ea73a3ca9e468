#include "app/main/pdf_command.h"

#include <QApplication>
#include <QTextEdit>
#include <cstdio>
#include <cstring>
#include <string>

#include "widgets/fonts.h"
#include "widgets/messages/message_box.h"
#include "app/report/report_appearance.h"
#include "app/report/report_printing.h"
#include "app/report/report_rendering.h"
#include "engine/chart/CBaZiEx.h"
#include "engine/places/place_list.h"
#include "reading/standard_readings.h"
#include "engine/chart/birth_spec.h"
#include "engine/base/file_util.h"
#include "engine/base/ini_file.h"

namespace {

constexpr const char* kUsage = "用法：marivo --pdf OUT.pdf --a SPEC --b SPEC [--dir PROGRAM_FOLDER]";

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "marivo: %s\n", message.c_str());
    return status;
}

struct PdfRequest {
    std::string output;
    std::string specs[2];
    std::string folder;
};

// The options in any order, each with its value; false on anything else.
bool ReadRequest(int argc, char** argv, PdfRequest& request) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return false;
        const std::string value = argv[++i];
        if (option == "--pdf") request.output = value;
        else if (option == "--a") request.specs[0] = value;
        else if (option == "--b") request.specs[1] = value;
        else if (option == "--dir") request.folder = value;
        else return false;
    }
    if (request.folder.empty()) request.folder = fileutil::ProgramFolder();
    return !request.output.empty() && !request.specs[0].empty() && !request.specs[1].empty();
}

}  // namespace

bool AsksForPdf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0) return true;
    return false;
}

int RunPdfCommand(int argc, char** argv) {
    PdfRequest request;
    if (!ReadRequest(argc, argv, request)) return Fail(2, kUsage);
    BirthData persons[2];
    const IniDocument placeFile = IniDocument::Load(places::PlaceFilePath(request.folder));
    for (int k = 0; k < 2; ++k) {
        std::string error;
        if (!ParseSpec(request.specs[k], k, placeFile, persons[k], error))
            return Fail(2, std::string(k == 0 ? "--a: " : "--b: ") + error);
    }

    // No window is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    InstallFontSubstitutes();

    CBaZiEx engine(request.folder, StandardReadings());
    engine.showReport = 1;
    if (!engine.ComputeCouple(persons[0], persons[1])) return Fail(2, engine.errorText);
    // The report view as the window would show it, with the stored font.
    QTextEdit view;
    view.setFont(StoredReportFont(IniFile(fileutil::Join(request.folder, "dat/bzinit.ini")).Snapshot()));
    ShowStyledReport(view, engine.viewText, engine.viewSpans, engine.viewLeftIndent);
    const QString output = QString::fromLocal8Bit(request.output.c_str());
    if (!WriteReportPdf(view, output)) return Fail(1, "无法写入 " + request.output);
    return 0;
}
