// Qt's own texts in Chinese: the buttons of the message boxes (是/否, 确定)
// and the file, print, colour and font dialogs, from the translation that
// Qt ships (Debian's qt6-translations-l10n).
#pragma once

#include <QString>

// The folder where Qt keeps its translations.
QString QtTranslationsFolder();

// Installs Qt's Chinese translation from `folder` for the whole program.
// False when it is not there or cannot be read: Qt's texts stay English and
// the program runs on.
bool InstallQtChineseTranslation(const QString& folder = QtTranslationsFolder());

// Dates, times and sizes in the program's dialogs as a Chinese desktop
// writes them ("2026/12/10 23:58", not "10 Dec 2026 23:58:00"). Qt's file
// dialogs take them from the system locale, which is read from the
// environment, so this runs before the application object is made; the
// other categories of the user's locale stay as they are. Where the system
// lacks the Chinese locale (zh_CN.UTF-8) only Qt's own default changes.
void UseChineseLocale();
bool ChineseLocaleInstalled();
