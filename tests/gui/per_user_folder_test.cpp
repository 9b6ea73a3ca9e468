// The main window of an installed Marivo: its data folder is the per-user
// one that datafolder::Locate gives for a bin/ without dat/, filled from
// the install; a case saved there is listed again after a restart, and the
// install is left as it was.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <filesystem>
#include <map>

#include "app/main/TFrmMain.h"
#include "widgets/messages/scripted_messages.h"
#include "app/case_dialogs/TFrmFenLei.h"
#include "engine/base/data_folder.h"
#include "gui_fixture.h"
#include "modal_dialogs.h"

namespace fs = std::filesystem;

namespace {

// An install under a temporary prefix: bin/ without dat/, the shipped data in
// share/marivo/dat; and a home folder of its own.
struct Install {
    QTemporaryDir root;
    std::string prefix = root.path().toStdString() + "/usr/";
    std::string home = root.path().toStdString() + "/home";
    Install() {
        fs::create_directories(prefix + "bin");
        fs::create_directories(prefix + "share/marivo");
        fs::copy(std::string(MARIVO_SOURCE_DIR) + "/dat", prefix + "share/marivo/dat");
    }
    datafolder::Folders Folders() const {
        const std::string h = home;
        return datafolder::Locate(prefix + "bin",
                                  [h](const char* name) { return std::string(name) == "HOME" ? h.c_str() : nullptr; });
    }
    std::map<std::string, fs::file_time_type> Files() const {
        std::map<std::string, fs::file_time_type> files;
        for (const auto& entry : fs::recursive_directory_iterator(prefix))
            files[entry.path().string()] = entry.last_write_time();
        return files;
    }
};

}  // namespace

class PerUserFolderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void aSavedCaseIsListedAfterARestart() {
        Install install;
        const auto installed = install.Files();
        const datafolder::Folders folders = install.Folders();
        QVERIFY(folders.installed);
        QCOMPARE(folders.user, install.home + "/.local/share/marivo/");
        std::string error;
        QVERIFY2(datafolder::Prepare(folders, error), error.c_str());
        ScriptedMessages messages;
        {
            TFrmMain window(folders.user);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            Child<QLineEdit>(&window, "Edtname")->setText(QStringLiteral("张三"));
            Child<QLineEdit>(&window, "EdtYear")->setText("1980");
            Child<QLineEdit>(&window, "Edtname2")->setText(QStringLiteral("李四"));
            Child<QLineEdit>(&window, "EdtYear2")->setText("1982");
            Child<QPushButton>(&window, "BtnPai")->click();
            QVERIFY(window.ChartReady());
            WhenModal<TFrmFenLei>([](TFrmFenLei* dialog) {
                Child<QComboBox>(dialog, "CboFenLei")->setEditText(QStringLiteral("客户"));
                Child<QPushButton>(dialog, "BtnOk")->click();
            });
            window.SaveCase();
            window.close();
        }
        QVERIFY(fs::is_regular_file(folders.user + "dat/bzinit.ini"));
        QVERIFY(fs::is_regular_file(folders.user + "dat/bazi0.dat"));
        QVERIFY(fs::is_regular_file(folders.user + "bazi_f/0.rtf"));

        TFrmMain again(folders.user);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTreeWidgetItem* root = Child<QTreeWidget>(&again, "Tree")->topLevelItem(0);
        QCOMPARE(root->childCount(), 1);
        QCOMPARE(root->child(0)->text(0), QStringLiteral("客户"));
        QCOMPARE(root->child(0)->childCount(), 1);
        QVERIFY(root->child(0)->child(0)->text(0).startsWith(QStringLiteral("张三")));
        again.close();
        QVERIFY(messages.Texts().isEmpty());
        QVERIFY(install.Files() == installed);
    }
};

QTEST_MAIN(PerUserFolderTest)
#include "per_user_folder_test.moc"
