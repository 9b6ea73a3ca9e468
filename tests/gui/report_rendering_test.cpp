// Rendering the engine's report into the report view: the text arrives
// character for character, the default format, the first-line indent, and
// every span over the right characters (also past "\r\n" and "\n" line ends).
#include <QTextEdit>

#include "app/report/report_rendering.h"
#include "gui_fixture.h"
#include "report_looks.h"

class ReportRenderingTest : public QObject {
    Q_OBJECT
private slots:
    void spansLandOnTheirCharacters() {
        QTextEdit view;
        view.setFont(FontNamed(kDefaultFontName, 12));
        const std::string report =
            "甲命八字：\r\n乾造  甲子 乙丑\n藏干 癸\r\n☆胎元𠀀x\r\n乙命八字：\r\n婚配指数=87分\r\n末行";
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
        QCOMPARE(view.toPlainText(), ViewText(report));

        CompareLooks(*view.document(), ExpectedLooks(text, spans, 12), 24);
        if (QTest::currentTestFailed()) return;
        QVERIFY(!view.document()->isModified());
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
