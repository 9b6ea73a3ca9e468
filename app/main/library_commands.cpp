// The main window's whole-library commands of the menu "文件(&F)":
// "导入历史记录", "导出历史记录" and "清除历史记录". Clearing and importing
// destroy the library on disk: a copy of it is taken first (see
// cases/store_backup.h), and the window closes afterwards, because the store is
// only opened at start.
#include <QFileDialog>
#include <ctime>

#include "app/main/TFrmMain.h"
#include "cases/store_backup.h"
#include "widgets/long_work.h"
#include "widgets/messages/message_box.h"

namespace {

const QString kWarning = QStringLiteral("注意了");

QString Path(const std::string& path) { return QString::fromStdString(path); }

QString LibraryInUse(const std::string& holder) {
    return QStringLiteral("历史记录正由%1修改，请稍后再试。").arg(Path(holder));
}

// The line that tells where the library is copied before it goes.
QString BackupLine(const QString& lead, const std::string& backupFolder) {
    return backupFolder.empty() ? QString() : QStringLiteral("\r\n") + lead + Path(backupFolder);
}

}  // namespace

std::string TFrmMain::PlanBackup() const {
    return librarybackup::HasLibraryFiles(programFolder_)
               ? librarybackup::NewBackupFolder(programFolder_, std::time(nullptr))
               : std::string();
}

bool TFrmMain::BackUp(const std::string& folder) {
    if (folder.empty()) return true;
    bool backedUp = false;
    {
        LongWork work(this, QStringLiteral("正在备份历史记录……"), LongWork::Cancel::NotOffered);
        work.RunInWorker([&] { backedUp = librarybackup::BackUpLibrary(programFolder_, folder); });
    }
    if (backedUp) return true;
    Messages().Notice(this,
                      QStringLiteral("无法把现有的历史记录备份到") + Path(folder) +
                          QStringLiteral("，历史记录没有改动。"),
                      QStringLiteral("错误"), MessageIcon::Error);
    return false;
}

void TFrmMain::CloseAfterLibraryChange(const QString& notice, const std::string& backupFolder) {
    // Nothing on screen belongs to the new library: closing offers no save.
    LeaveSavedCase();
    Messages().Plain(this, notice + BackupLine(QStringLiteral("原有的历史记录已备份到"), backupFolder));
    close();
}

void TFrmMain::TmImportClick() {
    const std::string backup = PlanBackup();
    if (!Messages().Ask(this,
                        QStringLiteral("执行此操作将覆盖现有的历史记录，要继续吗？") +
                            BackupLine(QStringLiteral("现有的历史记录将先备份到"), backup),
                        kWarning, MessageIcon::Warning, false))
        return;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("导入历史记录"),
                                                      QStringLiteral("bazi0.dat"), QStringLiteral("all.dat (*.dat)"));
    if (path.isEmpty()) return;
    // Clearing the store first would delete a source inside it.
    switch (store_.CheckImportSource(path.toStdString())) {
    case TransferStatus::OwnStore:
        Messages().Notice(this,
                          QStringLiteral("所选文件是本软件正在使用的历史记录，不能从它导入。\r\n"
                                         "请选择导出到其他目录的bazi0.dat。"),
                          QStringLiteral("提示"), MessageIcon::Warning);
        return;
    case TransferStatus::NoStore:
        Messages().Notice(this, QStringLiteral("所选文件不是历史记录文件，无法导入。"), QStringLiteral("提示"),
                          MessageIcon::Warning);
        return;
    default: break;
    }
    OfferSaveEdited();
    if (!BackUp(backup)) return;
    // The import replaces the library only once the new one is complete.
    // Never stopped half-way: an import either replaces the library or leaves it.
    TransferResult result;
    {
        LongWork work(this, QStringLiteral("正在导入历史记录……"), LongWork::Cancel::NotOffered);
        work.RunInWorker([&] { result = store_.ImportFrom(path.toStdString()); });
    }
    if (result.status == TransferStatus::Busy) {
        Messages().Notice(this, LibraryInUse(store_.OtherWriter()), QStringLiteral("提示"), MessageIcon::Warning);
        return;
    }
    if (result.status != TransferStatus::Done) {
        Messages().Notice(this, QStringLiteral("导入时有文件未能复制，历史记录没有改动。"), QStringLiteral("错误"),
                          MessageIcon::Error);
        return;
    }
    CloseAfterLibraryChange(QStringLiteral("成功导入，请重启软件！"), backup);
}

void TFrmMain::TmExportClick() {
    QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("导出历史记录"));
    if (folder.isEmpty()) return;
    if (!folder.endsWith(u'/')) folder += u'/';
    TransferResult result;
    {
        LongWork work(this, QStringLiteral("正在导出历史记录……"), LongWork::Cancel::NotOffered);
        work.RunInWorker([&] { result = store_.ExportTo(folder.toStdString()); });
    }
    switch (result.status) {
    case TransferStatus::Done:
        Messages().Plain(this, QStringLiteral("成功导出，已保存到") + folder + QStringLiteral("目录下"));
        break;
    case TransferStatus::OwnStore:
        Messages().Notice(this, QStringLiteral("不能导出到本软件自己的历史记录目录，请另选一个目录。"),
                          QStringLiteral("提示"), MessageIcon::Warning);
        break;
    case TransferStatus::NoStore:
        Messages().Plain(this, QStringLiteral("没有记录，无从导出。"));
        break;
    case TransferStatus::Failed:
        Messages().Notice(this, QStringLiteral("导出时有文件未能复制到") + folder + QStringLiteral("。"),
                          QStringLiteral("错误"), MessageIcon::Error);
        break;
    case TransferStatus::Busy:
        Messages().Notice(this, LibraryInUse(store_.OtherWriter()), QStringLiteral("提示"), MessageIcon::Warning);
        break;
    }
}

void TFrmMain::TmClearClick() {
    const std::string backup = PlanBackup();
    if (!Messages().Ask(this,
                        QStringLiteral("这将清除所有历史记录，要继续吗？") +
                            BackupLine(QStringLiteral("现有的历史记录将先备份到"), backup),
                        kWarning, MessageIcon::Warning, false) ||
        !Messages().Ask(this, QStringLiteral("确定要清除吗？"), kWarning, MessageIcon::Warning, false))
        return;
    OfferSaveEdited();
    if (!BackUp(backup)) return;
    bool cleared = false;
    {
        LongWork work(this, QStringLiteral("正在清除历史记录……"), LongWork::Cancel::NotOffered);
        work.RunInWorker([&] { cleared = store_.DeleteAll(); });
    }
    if (!cleared && store_.LastFailure() == StoreFailure::Busy) {
        Messages().Notice(this, LibraryInUse(store_.OtherWriter()), QStringLiteral("提示"), MessageIcon::Warning);
        return;
    }
    CloseAfterLibraryChange(cleared ? QStringLiteral("清除完成,请重启软件。")
                                    : QStringLiteral("清除时有文件未能删除，请重启软件后检查历史记录。"),
                            backup);
}
