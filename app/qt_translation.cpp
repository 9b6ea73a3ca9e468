#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool InstallQtChineseTranslation(const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

void UseChineseLocale() {
    // LC_ALL would outrank LC_TIME; as LANG it still stands for the rest.
    if (!qEnvironmentVariableIsEmpty("LC_ALL")) {
        qputenv("LANG", qgetenv("LC_ALL"));
        qunsetenv("LC_ALL");
    }
    qputenv("LC_TIME", "zh_CN.UTF-8");
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}
