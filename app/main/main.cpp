// Marivo: a desktop program for four-pillar marriage matching.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "app/main/TFrmMain.h"
#include "widgets/fonts.h"
#include "widgets/messages/message_box.h"
#include "widgets/qt_translation.h"
#include "app/main/pdf_command.h"
#include "engine/base/data_folder.h"

namespace {

// The window's own options: --help and --version.
void ParseCommandLine(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Marivo（%1）：八字合婚。").arg(kAppTitle));
    parser.addHelpOption();
    parser.addVersionOption();
    // Taken before the window starts (see pdf_command.h); listed here for --help.
    parser.addOption({QStringLiteral("pdf"),
                      QStringLiteral("与 --a SPEC --b SPEC [--dir PROGRAM_FOLDER] 一起：不开窗口，把两人的合婚命稿"
                                     "写成 PDF 文件后退出（SPEC 写法同 marivo-cli couple）"),
                      QStringLiteral("OUT.pdf")});
    parser.process(app);
}

}  // namespace

int main(int argc, char** argv) {
    if (AsksForPdf(argc, argv)) return RunPdfCommand(argc, argv);
    UseChineseLocale();  // before the application reads the system locale
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral(MARIVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(MARIVO_APP_ID));
    InstallFontSubstitutes();
    InstallQtChineseTranslation();  // without it Qt's buttons and dialogs stay English
    ParseCommandLine(app);

    // Installed, the user's files live in the per-user data folder; when it
    // cannot be made the window still runs, and each failed save says so.
    const datafolder::Folders folders = datafolder::Locate();
    std::string error;
    const bool prepared = datafolder::Prepare(folders, error);
    // The file dialogs (saving a report, exporting a PDF) open in the working
    // folder: installed, that is the per-user folder, never the install.
    if (folders.installed && prepared) QDir::setCurrent(QString::fromStdString(folders.user));
    TFrmMain window(folders.user);
    window.show();
    if (!prepared) Messages().Notice(&window, QString::fromStdString(error), QStringLiteral("错误"), MessageIcon::Error);
    return QApplication::exec();
}
