// Marivo: a desktop program for four-pillar marriage matching.
#include <QApplication>

#include "app/TFrmMain.h"
#include "app/fonts.h"
#include "app/message_box.h"
#include "app/pdf_command.h"
#include "app/qt_translation.h"

int main(int argc, char** argv) {
    if (AsksForPdf(argc, argv)) return RunPdfCommand(argc, argv);
    UseChineseLocale();  // before the application reads the system locale
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    InstallFontSubstitutes();
    InstallQtChineseTranslation();  // without it Qt's buttons and dialogs stay English
    TFrmMain window;
    window.show();
    return QApplication::exec();
}
