// Rendering the engine's report into the report view: the text arrives
// character for character, the default format, the first-line indent, and
// every span over the right characters (also past "\r\n" line ends).
#include <QTextBlock>
#include <QTextEdit>

#include "app/report_rendering.h"
#include "gui_fixture.h"

namespace {

struct Look {
    double size;
    QColor colour;
    bool bold;
    bool operator==(const Look& o) const { return size == o.size && colour == o.colour && bold == o.bold; }
};

// The look every code point of the text should end with: the spans applied
// in order over the default (view font size, black, not bold).
std::vector<Look> ExpectedLooks(const QString& text, const std::vector<StyleSpan>& spans, double base) {
    const QList<uint> codePoints = text.toUcs4();
    std::vector<Look> looks(codePoints.size(), Look{base, Qt::black, false});
    const QColor colours[] = {Qt::black, Qt::black, QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0)};
    for (const StyleSpan& s : spans) {
        for (int i = std::max(0, s.start); i < s.start + s.length && i < static_cast<int>(looks.size()); ++i) {
            if (s.hasSize) looks[i].size = base + s.sizeDelta;
            if (s.colour != SpanColour::Default) looks[i].colour = colours[static_cast<int>(s.colour)];
            if (s.hasBold) looks[i].bold = s.bold;
        }
    }
    // The characters of the document's paragraphs: "\r\n" is a paragraph
    // break, not a character.
    std::vector<Look> shown;
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        if (codePoints[i] == '\r' && i + 1 < codePoints.size() && codePoints[i + 1] == '\n') {
            ++i;
            continue;
        }
        shown.push_back(looks[i]);
        if (codePoints[i] > 0xFFFF) shown.push_back(looks[i]);
    }
    return shown;
}

// The look of the character at document position pos.
Look LookAt(QTextDocument& doc, int pos) {
    QTextCursor c(&doc);
    c.setPosition(pos);
    c.setPosition(pos + 1, QTextCursor::KeepAnchor);
    QTextCharFormat f = c.charFormat();
    return {f.fontPointSize(), f.foreground().color(), f.fontWeight() >= QFont::Bold};
}

}  // namespace

class ReportRenderingTest : public QObject {
    Q_OBJECT
private slots:
    void spansLandOnTheirCharacters() {
        QTextEdit view;
        view.setFont(FontNamed(kDefaultFontName, 12));
        const std::string report =
            "甲命八字：\r\n乾造  甲子 乙丑\r\n藏干 癸\r\n☆胎元𠀀x\r\n乙命八字：\r\n婚配指数=87分\r\n末行";
        const std::vector<StyleSpan> spans = {
            {0, 10, true, 0, SpanColour::Blue, true, true},
            {5, 14, false, 0, SpanColour::Red, false, false},
            {22, 9, true, -1, SpanColour::Default, false, false},
            {28, 30, false, 0, SpanColour::Green, false, false},
            {39, 9, true, 4, SpanColour::Red, true, true},
            {46, 100, false, 0, SpanColour::Black, true, false},  // past the end: cut there
            {-3, 2, true, 9, SpanColour::Red, true, true},       // outside: ignored
        };
        ShowStyledReport(view, report, spans, 24);

        const QString text = QString::fromStdString(report);
        QString plain = text;
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(view.toPlainText(), plain);

        const std::vector<Look> expected = ExpectedLooks(text, spans, 12);
        QTextDocument& doc = *view.document();
        QCOMPARE(static_cast<int>(expected.size()), doc.characterCount() - 1 - (doc.blockCount() - 1));
        int pos = 0;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            QCOMPARE(b.blockFormat().textIndent(), 24.0);
            QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            for (int i = 0; i < b.length() - 1; ++i, ++pos) {
                const Look got = LookAt(doc, b.position() + i);
                QVERIFY2(got == expected[pos], qPrintable(QStringLiteral("character %1 of block %2 (%3)")
                                                              .arg(i).arg(b.blockNumber()).arg(b.text())));
            }
        }
        QVERIFY(!doc.isModified());
    }

    void plainTextReplacesAStyledReport() {
        QTextEdit view;
        view.setFont(FontNamed(kDefaultFontName, 14));
        ShowStyledReport(view, "红字", {{0, 2, true, 4, SpanColour::Red, true, true}}, 0);
        ShowPlainReport(view, QStringLiteral("婚配运算中.............."));
        QCOMPARE(view.toPlainText(), QStringLiteral("婚配运算中.............."));
        const Look look = LookAt(*view.document(), 0);
        QCOMPARE(look.size, 14.0);
        QCOMPARE(look.colour, QColor(Qt::black));
        QVERIFY(!look.bold);
    }
};

QTEST_MAIN(ReportRenderingTest)
#include "report_rendering_test.moc"
