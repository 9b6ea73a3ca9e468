// Long work: the wait cursor at once, the progress dialog only after half a
// second, "取消" only where it is offered, and a cancel press noted while the
// worker finishes its part.
#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include "widgets/long_work.h"

namespace {

QProgressDialog* ShownDialog(QWidget* parent) {
    for (QProgressDialog* d : parent->findChildren<QProgressDialog*>())
        if (d->isVisible()) return d;
    return nullptr;
}

}  // namespace

class LongWorkTest : public QObject {
    Q_OBJECT

private slots:
    void ShortWorkShowsOnlyTheWaitCursor() {
        QWidget window;
        bool dialogSeen = true;
        Qt::CursorShape cursor = Qt::ArrowCursor;
        {
            LongWork work(&window, QStringLiteral("正在查找命例……"), LongWork::Cancel::Offered);
            work.RunInWorker([] { QThread::msleep(50); });
            cursor = QApplication::overrideCursor()->shape();
            dialogSeen = ShownDialog(&window) != nullptr;
            QVERIFY(!work.Cancelled());
        }
        QCOMPARE(cursor, Qt::WaitCursor);
        QVERIFY(!dialogSeen);
        QVERIFY(!QApplication::overrideCursor());
    }

    void LongWorkShowsTheDialogAfterHalfASecond_data() {
        QTest::addColumn<bool>("offered");
        QTest::newRow("cancel offered") << true;
        QTest::newRow("not offered") << false;
    }

    void LongWorkShowsTheDialogAfterHalfASecond() {
        QFETCH(bool, offered);
        QWidget window;
        bool cancelButton = !offered;
        bool shown = false;
        QTimer::singleShot(LongWork::kDialogDelayMs + 300, [&] {
            QProgressDialog* d = ShownDialog(&window);
            shown = d != nullptr;
            if (!d) return;
            QPushButton* cancel = d->findChild<QPushButton*>();
            cancelButton = cancel && cancel->isVisible();
            if (cancelButton) cancel->click();
        });
        LongWork work(&window, QStringLiteral("正在导出历史记录……"),
                      offered ? LongWork::Cancel::Offered : LongWork::Cancel::NotOffered);
        work.RunInWorker([] { QThread::msleep(LongWork::kDialogDelayMs + 600); });
        QVERIFY(shown);
        QCOMPARE(cancelButton, offered);
        QCOMPARE(work.Cancelled(), offered);
    }
};

QTEST_MAIN(LongWorkTest)
#include "long_work_test.moc"
