#include "widgets/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "widgets/print_fonts.h"

void InstallFontSubstitutes() {
    if (QFontDatabase::hasFamily(kDefaultFontName)) return;
    // Monospaced CJK fonts: Latin half width, Chinese full width.
    QFont::insertSubstitutions(kDefaultFontName, {QStringLiteral("Noto Sans Mono CJK SC"),
                                                  QStringLiteral("Noto Sans Mono CJK TC"),
                                                  QStringLiteral("WenQuanYi Zen Hei Mono")});
}

bool LinesUpColumns(const QString& family) {
    if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese)) return false;
    const QFontMetricsF metrics(FontNamed(family, 12));
    const double half = metrics.horizontalAdvance(u'a');
    auto same = [](double a, double b) { return std::abs(a - b) < 0.01; };
    return half > 0 && same(metrics.horizontalAdvance(u'正'), 2 * half) && same(metrics.horizontalAdvance(u'W'), half) &&
           same(metrics.horizontalAdvance(u'i'), half) && same(metrics.horizontalAdvance(u' '), half);
}

FontChoices ReportFontChoices() {
    FontChoices choices;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || family.startsWith(kPrintCopyPrefix)) continue;
        (LinesUpColumns(family) ? choices.aligned : choices.others) << family;
    }
    return choices;
}

QFont FontNamed(const QString& name, int pointSize) {
    // A size from a hand-edited settings file may be anything.
    QFont font(name);
    font.setPointSize(pointSize > 0 ? std::min(pointSize, 200) : 12);
    return font;
}
