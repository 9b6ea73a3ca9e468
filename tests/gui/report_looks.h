// The look of report characters (size, colour, bold) as the styling
// should leave them, and as the report view holds them.
#pragma once

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

#include "engine/chart/report_style.h"

struct Look {
    double size;
    QColor colour;
    bool bold;
    bool operator==(const Look& o) const { return size == o.size && colour == o.colour && bold == o.bold; }
};

// The look every code point of the text should end with: the spans applied
// in order over the default (view font size, black, not bold).
inline std::vector<Look> ExpectedLooks(const QString& text, const std::vector<StyleSpan>& spans, double base) {
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
    // The characters of the document's paragraphs: "\r\n", a lone "\n" and
    // a lone "\r" are paragraph breaks, not characters.
    std::vector<Look> shown;
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        if (codePoints[i] == '\r' && i + 1 < codePoints.size() && codePoints[i + 1] == '\n') ++i;
        if (codePoints[i] == '\r' || codePoints[i] == '\n') continue;
        shown.push_back(looks[i]);
        if (codePoints[i] > 0xFFFF) shown.push_back(looks[i]);
    }
    return shown;
}

// The look of the character at document position pos.
inline Look LookAt(QTextDocument& doc, int pos) {
    QTextCursor c(&doc);
    c.setPosition(pos);
    c.setPosition(pos + 1, QTextCursor::KeepAnchor);
    QTextCharFormat f = c.charFormat();
    return {f.fontPointSize(), f.foreground().color(), f.fontWeight() >= QFont::Bold};
}


// The report's text as the view gives it back: one "\n" per line break.
inline QString ViewText(const std::string& reportUtf8) {
    QString text = QString::fromStdString(reportUtf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Compares every character of the document with the expected looks and
// every paragraph's first-line indent.
inline void CompareLooks(QTextDocument& doc, const std::vector<Look>& expected, int firstLineIndent) {
    QCOMPARE(static_cast<int>(expected.size()), doc.characterCount() - doc.blockCount());
    int pos = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QCOMPARE(b.blockFormat().textIndent(), static_cast<double>(firstLineIndent));
        QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        for (int i = 0; i < b.length() - 1; ++i, ++pos) {
            const Look got = LookAt(doc, b.position() + i);
            QVERIFY2(got == expected[pos], qPrintable(QStringLiteral("character %1 of line %2: %3")
                                                          .arg(i).arg(b.blockNumber() + 1).arg(b.text())));
        }
    }
}
