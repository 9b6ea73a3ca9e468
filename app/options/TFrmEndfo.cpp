#include "app/options/TFrmEndfo.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "widgets/dialog_controls.h"
#include "widgets/memo_text.h"
#include "widgets/messages/message_box.h"
#include "widgets/messages/write_failure.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "engine/base/ini_file.h"
#include "widgets/paste_guard.h"
#include "widgets/gbk_input_limit.h"

TFrmEndfo::TFrmEndfo(const std::string& programFolder, IniFile& settings, QWidget* parent)
    : QDialog(parent), textFile_(fileutil::Join(programFolder, "dat/EndInfo.txt")), settings_(settings) {
    setObjectName(QStringLiteral("FrmEndfo"));
    setWindowTitle(QStringLiteral("编辑尾部信息"));
    BuildControls();
    FormShow();
}

void TFrmEndfo::BuildControls() {
    auto* heading = new QLabel(QStringLiteral("命稿尾部信息"), this);
    heading->setStyleSheet(QStringLiteral("color: #0000FF;"));
    Memo1 = Named(new QPlainTextEdit(this), "Memo1");
    GuardPaste(*Memo1);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setMinimumSize(420, 220);
    ChkAuto = Named(new QCheckBox(QStringLiteral("加入到命稿尾部"), this), "ChkAuto");

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ChkAuto);
    bottom->addStretch();
    AddButton(this, bottom, QStringLiteral("确定"), "Btnok", &TFrmEndfo::BtnokClick);
    AddButton(this, bottom, QStringLiteral("取消"), "Btncancel", &TFrmEndfo::BtncancelClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(Memo1);
    layout->addLayout(bottom);
}

void TFrmEndfo::FormShow() {
    std::string bytes;
    if (fileutil::ReadAll(textFile_, bytes))
        Memo1->setPlainText(FromCrLf(gbk::ToUtf8(bytes)));
    else if (fileutil::Exists(textFile_))
        Messages().Notice(this, QStringLiteral("无法读取文件dat/EndInfo.txt，命稿结尾信息从空白开始。"),
                          QStringLiteral("错误"), MessageIcon::Error);
    ChkAuto->setChecked(settings_.ReadBool("set", "endinfo", false));
}

void TFrmEndfo::BtnokClick() {
    if (Memo1->toPlainText().isEmpty()) {
        Messages().Notice(this, QStringLiteral("输入不能为空"), QStringLiteral("信息"), MessageIcon::Information);
        Memo1->setFocus();
        return;
    }
    if (!StorableInGbk(this, {Memo1->toPlainText()})) return;
    if (!Written(this, fileutil::WriteAtomically(textFile_, GbkLinesFile(MemoLines(Memo1->toPlainText()))),
                 QStringLiteral("dat/EndInfo.txt")))
        return;
    if (Written(this, settings_.WriteBool("set", "endinfo", ChkAuto->isChecked()), kSettingsFileName)) accept();
}

void TFrmEndfo::BtncancelClick() { reject(); }
