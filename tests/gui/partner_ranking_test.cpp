// The 择偶排行 window on the small library: its list is the one marivo-cli
// match writes, the filters and the sorting act on it, the export writes
// the list, and choosing a row computes that couple in the main window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "app/main/TFrmMain.h"
#include "app/case_dialogs/TFrmZeOu.h"
#include "widgets/messages/scripted_messages.h"
#include "engine/chart/CBaZiEx.h"
#include "gui_fixture.h"
#include "modal_dialogs.h"
#include "tests/cli/cli_runner.h"
#include "tests/matching/library_fixture.h"

using namespace matching;

namespace {

constexpr const char* kSettings = "[set]\r\nidate=1\r\n";

template <typename T>
T* Get(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no child %s", name);
    return child;
}

// Starts the ranking and waits for it.
bool Rank(TFrmZeOu& dialog) {
    Get<QPushButton>(&dialog, "BtnRank")->click();
    return QTest::qWaitFor([&] { return !dialog.Running() && dialog.Result().ok; }, 30000);
}

QString Cell(QTableWidget* grid, int row, int column) { return grid->item(row, column)->text(); }

// The value of a key of one JSON line as text (quotes removed).
QString JsonValue(const std::string& line, const std::string& key) {
    std::size_t at = line.find("\"" + key + "\":") + key.size() + 3;
    std::size_t end = line.find_first_of(",}", at);
    std::string value = line.substr(at, end - at);
    if (!value.empty() && value.front() == '"') value = value.substr(1, value.size() - 2);
    return QString::fromStdString(value);
}

}  // namespace

class PartnerRankingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void listIsTheCommandsRanking() {
        ProgramFolder folder;
        fixture::WriteLibrary(folder.Folder(), kSettings);
        TFrmZeOu dialog(folder.Folder(), fixture::Chosen());
        dialog.show();
        QVERIFY(Rank(dialog));
        QTableWidget* grid = Get<QTableWidget>(&dialog, "GrdRank");

        CliRun run = RunCli("match --a 'name=求偶者,date=1984-03-15,time=09:40' --json --dir " +
                            ShellQuoted(folder.Folder()));
        QCOMPARE(run.status, 0);
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = run.out.find('\n', at)) != std::string::npos; at = end + 1)
            lines.push_back(run.out.substr(at, end - at));
        QCOMPARE(grid->rowCount(), static_cast<int>(lines.size()));
        for (int r = 0; r < grid->rowCount(); ++r) {
            const std::string& line = lines[static_cast<std::size_t>(r)];
            const bool charted = JsonValue(line, "rank") != QStringLiteral("null");
            QCOMPARE(Cell(grid, r, 0), charted ? JsonValue(line, "rank") : QStringLiteral("无法排盘"));
            QCOMPARE(Cell(grid, r, 1), charted ? JsonValue(line, "index") : QString());
            QCOMPARE(Cell(grid, r, 2), JsonValue(line, "name"));
            QCOMPARE(Cell(grid, r, 4), JsonValue(line, "birth"));
            QCOMPARE(Cell(grid, r, 6), JsonValue(line, "number") + (JsonValue(line, "side") == "a" ? "甲命" : "乙命"));
        }
        QCOMPARE(Get<QLabel>(&dialog, "LblSummary")->text().toStdString() + "\n", run.err);
    }

    void filtersSortingAndExport() {
        ProgramFolder folder;
        fixture::WriteLibrary(folder.Folder(), kSettings);
        ScriptedMessages messages;
        TFrmZeOu dialog(folder.Folder(), fixture::Chosen());
        dialog.show();
        QVERIFY(Rank(dialog));
        QTableWidget* grid = Get<QTableWidget>(&dialog, "GrdRank");
        const int all = grid->rowCount();

        const int k = ShownIndex(dialog.Result().ranked[4]);
        Get<QSpinBox>(&dialog, "SpnMinIndex")->setValue(k);
        QVERIFY(grid->rowCount() < all);
        for (int r = 0; r < grid->rowCount(); ++r) QVERIFY(Cell(grid, r, 1).toInt() >= k);

        // Sorted by the index, lowest first, as numbers.
        grid->sortByColumn(1, Qt::AscendingOrder);
        for (int r = 1; r < grid->rowCount(); ++r) QVERIFY(Cell(grid, r - 1, 1).toInt() <= Cell(grid, r, 1).toInt());

        RankingFilter filter;
        filter.minIndex = k;
        const std::string path = folder.Path("排行.csv");
        ChooseFile(QString::fromStdString(path));
        Get<QPushButton>(&dialog, "BtnCsv")->click();
        QCOMPARE(FileBytes(path), ListAsCsv(FilteredRows(dialog.Result(), filter), dialog.Result()));
        QCOMPARE(messages.Texts(), QStringList{QStringLiteral("已保存！")});
    }

    void choosingARowComputesThatCouple() {
        ProgramFolder folder;
        fixture::WriteLibrary(folder.Folder(), kSettings);
        TFrmMain window(folder.Folder());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Get<QLineEdit>(&window, "Edtname")->setText(QStringLiteral("求偶者"));
        Get<QLineEdit>(&window, "EdtYear")->setText("1984");

        auto best = std::make_shared<Candidate>();
        WhenModal<TFrmZeOu>([best](TFrmZeOu* dialog) {
            if (!Rank(*dialog)) return dialog->reject();
            *best = dialog->Result().ranked[0];
            QTableWidget* grid = Get<QTableWidget>(dialog, "GrdRank");
            grid->setCurrentCell(0, 0);
            QTest::keyClick(grid, Qt::Key_Return);
        });
        window.findChild<QAction*>(QStringLiteral("TmZeOu"))->trigger();

        QVERIFY(window.ChartReady());
        QCOMPARE(Get<QLineEdit>(&window, "Edtname2")->text(), QString::fromStdString(NameText(*best)));
        QCOMPARE(window.Engine()->MarriageIndex(), best->index);
    }
};

QTEST_MAIN(PartnerRankingWindowTest)
#include "partner_ranking_test.moc"
