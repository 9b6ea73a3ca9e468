#include "widgets/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool InstallQtChineseTranslation(const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
