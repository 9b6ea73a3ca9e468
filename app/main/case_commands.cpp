// The main window's case commands: saving the couple on screen, viewing a
// saved case with its stored report, "新建", and editing, moving and
// deleting a case of the tree.
#include <QTextEdit>
#include <QTreeWidget>
#include <cstring>

#include "widgets/birth/BirthPanel.h"
#include "app/main/TFrmMain.h"
#include "app/library/case_tree.h"
#include "widgets/long_work.h"
#include "widgets/messages/message_box.h"
#include "app/report/report_view_files.h"
#include "widgets/messages/write_failure.h"
#include "app/case_dialogs/TFrmFenLei.h"
#include "app/case_dialogs/TFrmInfo.h"
#include "app/main/ChartPictureWidget.h"
#include "cases/file_copy.h"
#include "cases/store_layout.h"
#include "engine/chart/CBaZiEx.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "engine/base/ini_file.h"

namespace {

const QString kHint = QStringLiteral("提示");

// The files named in a failure message, relative to the program folder.
QString ReportFileName(int number) { return QStringLiteral("bazi_f/%1.rtf").arg(number); }
QString CaseFileName(int number) { return QStringLiteral("dat/bazi%1.dat").arg(number / kRecordsPerFile); }

QString NameOf(const CasePerson& person) { return QString::fromStdString(gbk::ReadField(person.name)); }

}  // namespace

void TFrmMain::FillTree(const std::vector<int>& numbers) {
    // Cancelled, the tree keeps the cases it showed before.
    LongWork work(this, QStringLiteral("正在列出命例……"), LongWork::Cancel::Offered);
    FillCaseTree(*Tree, store_, numbers, [&](std::size_t done, std::size_t total) { return work.Step(done, total); });
}

int TFrmMain::SelectedCaseNumber() const {
    const QTreeWidgetItem* node = SelectedNode(*Tree);
    return node && NodeLevel(node) == 2 ? CaseNumberOfLabel(node->text(0)) : -1;
}

CaseRecord* TFrmMain::CaseOnScreen(int number) {
    return savedCaseMode && savedCaseNumber == number ? &currentCase : nullptr;
}

void TFrmMain::OfferSaveEdited() {
    if (savedCaseMode && Redtbazi->document()->isModified() &&
        Messages().Ask(this, QStringLiteral("当前命例文本已改变，要保存吗？"), kHint, MessageIcon::Warning))
        SaveCase();
}

void TFrmMain::SaveCase() {
    if (savedCaseMode)
        SaveOverSavedCase();
    else if (chartReady)
        SaveNewCase();
    else
        Messages().Notice(this, QStringLiteral("请先排一个正确的盘后再保存"), kHint, MessageIcon::Information);
}

void TFrmMain::SaveOverSavedCase() {
    if (!Messages().Ask(this, QStringLiteral("要修改“%1”这条记录吗？").arg(NameOf(currentCase.a)), kHint,
                        MessageIcon::Information))
        return;
    // The record first: a library replaced by another program is not written into.
    if (!StoreWritten(this, store_, store_.WriteCase(savedCaseNumber, currentCase), CaseFileName(savedCaseNumber)))
        return;
    if (QTreeWidgetItem* node = FindCaseNode(*Tree, savedCaseNumber)) SetCaseNode(node, currentCase, savedCaseNumber);
    if (!WriteReportFile(*Redtbazi, savedCaseFile)) {
        ReportNotWritten(this, ReportFileName(savedCaseNumber));
        return;
    }
    Redtbazi->document()->setModified(false);
    Messages().Plain(this, QStringLiteral("已保存编辑后的命例。"));
}

void TFrmMain::SaveNewCase() {
    TFrmFenLei dialog(*settings_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    gbk::WriteField(currentCase.category, dialog.Category());
    gbk::WriteField(currentCase.note, dialog.Note());
    const int number = store_.AddCase(currentCase);
    if (!StoreWritten(this, store_, number >= 0, CaseFileName(0))) return;
    // The case is stored: its node is added even when its report could not be.
    if (!WriteReportFile(*Redtbazi, store_.ReportFile(number))) ReportNotWritten(this, ReportFileName(number));
    QTreeWidgetItem* category = CategoryNode(*Tree, QString::fromStdString(gbk::ReadField(currentCase.category)));
    AddCaseNode(category, currentCase, number);
    category->setExpanded(true);
}

void TFrmMain::TmViewCaseClick() {
    const int number = SelectedCaseNumber();
    if (number < 0) {
        Messages().Plain(this, QStringLiteral("请先选择一个命例！"));
        return;
    }
    ViewSavedCase(number);
}

void TFrmMain::ViewSavedCase(int number) {
    CaseRecord record;
    if (!store_.ReadCase(number, record)) return;
    OfferSaveEdited();
    currentCase = record;
    chartReady = false;
    panelA_->ShowPerson(record.a);
    if (!panelA_->ReadPanel(inputA)) return;
    panelB_->ShowPerson(record.b);
    if (!panelB_->ReadPanel(inputB)) return;
    savedCaseMode = true;
    savedCaseNumber = number;
    savedCaseFile = store_.ReportFile(number);

    // The picture and the pillars always come from a fresh computation; the
    // report text is the stored one when there is one.
    const bool stored = LoadSavedReport();
    engine_->showReport = stored ? 0 : 1;
    if (!engine_->ComputeCouple(inputA, inputB)) {
        Messages().Notice(this, QString::fromStdString(engine_->errorText), QStringLiteral("错误"),
                          MessageIcon::Error);
        return;
    }
    ShowEngineResult();
    // A report file that could not be read is left for the user to rescue.
    if (!stored && !fileutil::Exists(savedCaseFile))
        Written(this, WriteReportFile(*Redtbazi, savedCaseFile), ReportFileName(number));
    engine_->LastPillars(lastPillars);
    Redtbazi->document()->setModified(false);
    chartReady = true;
    ShowSaveButtonAs(true);
}

bool TFrmMain::LoadSavedReport() {
    // Emptied first, so that no other case's report stays on screen when the
    // computation fails.
    Redtbazi->clear();
    if (!fileutil::Exists(savedCaseFile)) return false;
    if (LoadReportFileInto(*Redtbazi, savedCaseFile)) {
        Redtbazi->document()->setModified(false);  // the stored text, unedited
        return true;
    }
    Messages().Notice(this,
                      QStringLiteral("无法读取命稿文件") + ReportFileName(savedCaseNumber) +
                          QStringLiteral("，显示的是重新排出的命稿。"),
                      kHint, MessageIcon::Warning);
    return false;
}

void TFrmMain::BtoNewClick() {
    OfferSaveEdited();
    LeaveSavedCase();
}

void TFrmMain::LeaveSavedCase() {
    Redtbazi->clear();
    ImgBaZi->SetPicture({});
    savedCaseMode = false;
    Redtbazi->document()->setModified(false);
    chartReady = false;
    ShowSaveButtonAs(false);
}

void TFrmMain::TmEditCaseClick() {
    const int number = SelectedCaseNumber();
    if (number < 0) {
        Messages().Plain(this, QStringLiteral("请先选择一个命例！"));
        return;
    }
    CaseRecord record;
    if (!store_.ReadCase(number, record)) return;
    TFrmInfo dialog(programFolder_, record, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const CaseRecord& edited = dialog.Record();
    if (!StoreWritten(this, store_, store_.WriteCase(number, edited), CaseFileName(number))) return;
    // The dialog changes person A and the note; a later "存旧" keeps them.
    if (CaseRecord* onScreen = CaseOnScreen(number)) {
        onScreen->a = edited.a;
        std::memcpy(onScreen->note, edited.note, sizeof edited.note);
    }
    if (QTreeWidgetItem* node = FindCaseNode(*Tree, number)) {
        SetCaseNode(node, edited, number);
        Messages().Notice(this, QStringLiteral("完成修改"), QStringLiteral("完成"), MessageIcon::Information);
    }
}

void TFrmMain::MoveCaseTo(int categoryPosition, const QString& category) {
    QTreeWidgetItem* node = SelectedNode(*Tree);
    const int number = SelectedCaseNumber();
    QTreeWidgetItem* target = RootNode(*Tree)->child(categoryPosition);
    CaseRecord record;
    if (number < 0 || !target || !store_.ReadCase(number, record)) return;
    gbk::WriteField(record.category, category.toStdString());
    if (!StoreWritten(this, store_, store_.WriteCase(number, record), CaseFileName(number))) return;
    if (CaseRecord* onScreen = CaseOnScreen(number))
        std::memcpy(onScreen->category, record.category, sizeof record.category);
    delete node;
    AddCaseNode(target, record, number);
}

void TFrmMain::TmDeleteCaseClick() {
    const int number = SelectedCaseNumber();
    if (number < 0) {
        Messages().Plain(this, QStringLiteral("请先选择一个命例！"));
        return;
    }
    QTreeWidgetItem* node = SelectedNode(*Tree);
    const QString name = node->text(0).section(u' ', 0, 0);
    if (!Messages().Ask(this, QStringLiteral("确定要删除“") + name + QStringLiteral("”这个命例吗？"),
                        QStringLiteral("注意"), MessageIcon::Warning, false))
        return;
    const bool onScreen = CaseOnScreen(number) != nullptr;
    if (onScreen && !Messages().Ask(this, QStringLiteral("确定要删除当前正在查看的命例吗？"), kHint,
                                    MessageIcon::Warning))
        return;
    if (!StoreWritten(this, store_, store_.DeleteCase(number), CaseFileName(number))) return;
    filecopy::RemoveFile(onScreen ? savedCaseFile : store_.ReportFile(number));
    delete node;
    // The slot is gone: a later save must not write into it.
    if (onScreen) LeaveSavedCase();
}
