// Marivo: a desktop program for four-pillar marriage matching.
#include <QApplication>

#include "app/main/TFrmMain.h"
#include "widgets/fonts.h"
#include "widgets/messages/message_box.h"
#include "widgets/qt_translation.h"
#include "app/main/pdf_command.h"

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
