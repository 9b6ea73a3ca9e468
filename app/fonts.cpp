#include "app/fonts.h"

#include <QFontDatabase>
#include <QStringList>

void InstallFontSubstitutes() {
    if (QFontDatabase::hasFamily(kDefaultFontName)) return;
    // Monospaced CJK fonts: Latin half width, Chinese full width.
    QFont::insertSubstitutions(kDefaultFontName, {QStringLiteral("Noto Sans Mono CJK SC"),
                                                  QStringLiteral("Noto Sans Mono CJK TC"),
                                                  QStringLiteral("WenQuanYi Zen Hei Mono")});
}

QFont FontNamed(const QString& name, int pointSize) {
    QFont font(name);
    font.setPointSize(pointSize > 0 ? pointSize : 12);
    return font;
}
