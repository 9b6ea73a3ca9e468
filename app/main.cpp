// Marivo: a desktop program for four-pillar marriage matching.
#include <QApplication>

#include "app/TFrmMain.h"
#include "app/fonts.h"
#include "app/message_box.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    InstallFontSubstitutes();
    TFrmMain window;
    window.show();
    return QApplication::exec();
}
