#include "widgets/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <locale.h>

namespace {

constexpr const char* kChineseLocale = "zh_CN.UTF-8";

}  // namespace

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool InstallQtChineseTranslation(const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

bool ChineseLocaleInstalled() {
    const locale_t chinese = newlocale(LC_TIME_MASK, kChineseLocale, locale_t(nullptr));
    if (chinese) freelocale(chinese);
    return chinese != locale_t(nullptr);
}

void UseChineseLocale() {
    // A locale the C library does not have would leave the whole program
    // in the "C" locale (window titles, input methods): then Qt's dialogs
    // keep the user's own. Qt reads the environment at its first look at
    // any locale, so this comes first.
    if (ChineseLocaleInstalled()) {
        // LC_ALL would outrank LC_TIME; as LANG it still stands for the rest.
        if (!qEnvironmentVariableIsEmpty("LC_ALL")) {
            qputenv("LANG", qgetenv("LC_ALL"));
            qunsetenv("LC_ALL");
        }
        qputenv("LC_TIME", kChineseLocale);
    }
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}
