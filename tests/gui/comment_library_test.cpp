// The comment library "八字断语": categories and their numbered comments,
// damaged sections, the missing file, and one open window reused.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>

#include "gui_fixture.h"
#include "app/tool_windows/TFrmPingYu.h"

class CommentLibraryTest : public QObject {
    Q_OBJECT

    static QString Memo(TFrmPingYu& w) { return Child<QPlainTextEdit>(&w, "Memlst")->toPlainText(); }
    static QListWidget* List(TFrmPingYu& w) { return Child<QListWidget>(&w, "lstsel"); }

private slots:
    void shippedLibraryOpensOnTheFirstCategory() {
        ProgramFolder folder(false);
        std::filesystem::copy_file(std::string(MARIVO_SOURCE_DIR) + "/dat/bzpingyu.dat", folder.Path("dat/bzpingyu.dat"));
        auto* w = new TFrmPingYu(folder.Folder());
        QCOMPARE(w->windowTitle(), QStringLiteral("八字断语"));
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(Child<QPlainTextEdit>(w, "Memlst")->isReadOnly());
        QCOMPARE(List(*w)->count(), 13);
        QCOMPARE(List(*w)->item(0)->text(), QStringLiteral("性格"));
        QCOMPARE(List(*w)->item(7)->text(), QStringLiteral("父母兄姐"));
        QCOMPARE(List(*w)->item(12)->text(), QStringLiteral("僧佛艺术"));
        QCOMPARE(List(*w)->currentRow(), 0);
        QVERIFY(Memo(*w).startsWith(QStringLiteral("1:")));
        const QString first = Memo(*w);
        List(*w)->setCurrentRow(4);  // 婚姻
        QVERIFY(Memo(*w).startsWith(QStringLiteral("1:")));
        QVERIFY(Memo(*w) != first);
        delete w;
    }

    void damagedSectionsShowWhatTheyHold() {
        ProgramFolder folder(false);
        folder.WriteGbk("dat/bzpingyu.dat", "[性格]\r\n1=没有计数\r\n[职业]\r\ntol=3\r\n1=宜经商\r\n3=宜从文\r\n");
        auto* w = new TFrmPingYu(folder.Folder());
        QCOMPARE(List(*w)->count(), 13);
        QCOMPARE(Memo(*w), QString());
        List(*w)->setCurrentRow(1);
        QCOMPARE(Memo(*w), QStringLiteral("1:宜经商\n2: \n3:宜从文\n"));
        List(*w)->setCurrentRow(2);  // no section at all
        QCOMPARE(Memo(*w), QString());
        delete w;
    }

    void withoutTheFileTheListStaysEmpty() {
        ProgramFolder folder(false);
        auto* w = new TFrmPingYu(folder.Folder());
        QCOMPARE(List(*w)->count(), 0);
        QCOMPARE(Memo(*w), QString());
        delete w;
    }

    void oneOpenLibraryIsReusedAndAClosedOneReplaced() {
        ProgramFolder folder(false);
        QWidget owner;
        QPointer<TFrmPingYu> first = TFrmPingYu::Open(folder.Folder(), &owner);
        QVERIFY(first->isVisible());
        QCOMPARE(TFrmPingYu::Open(folder.Folder(), &owner), first.data());
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QPointer<TFrmPingYu> second = TFrmPingYu::Open(folder.Folder(), &owner);
        QVERIFY(second);
        QVERIFY(second->isVisible());
    }
};

QTEST_MAIN(CommentLibraryTest)
#include "comment_library_test.moc"
