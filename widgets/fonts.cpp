#include "widgets/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

void InstallFontSubstitutes() {
    if (QFontDatabase::hasFamily(kDefaultFontName)) return;
    // Monospaced CJK fonts: Latin half width, Chinese full width.
    QFont::insertSubstitutions(kDefaultFontName, {QStringLiteral("Noto Sans Mono CJK SC"),
                                                  QStringLiteral("Noto Sans Mono CJK TC"),
                                                  QStringLiteral("WenQuanYi Zen Hei Mono")});
}

QFont FontNamed(const QString& name, int pointSize) {
    // A size from a hand-edited settings file may be anything.
    QFont font(name);
    font.setPointSize(pointSize > 0 ? std::min(pointSize, 200) : 12);
    return font;
}
