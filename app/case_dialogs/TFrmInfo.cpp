#include "app/case_dialogs/TFrmInfo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/birth/BirthPanel.h"
#include "widgets/UpDownButtons.h"
#include "widgets/birth/date_time_items.h"
#include "widgets/dialog_controls.h"
#include "widgets/gbk_input_limit.h"
#include "widgets/memo_text.h"
#include "widgets/messages/message_box.h"
#include "widgets/number_input.h"
#include "engine/base/gbk_codec.h"
#include "engine/base/ini_file.h"
#include "widgets/paste_guard.h"

namespace {

constexpr std::size_t kNameBytes = 10;
constexpr std::size_t kNoteBytes = 1000;

const QString kHint = QStringLiteral("提示");

QComboBox* DropDownList(QWidget* parent, const char* name) {
    auto* combo = Named(new QComboBox(parent), name);
    combo->setMaxVisibleItems(24);
    return combo;
}

// Selects the item, or the first one when the index lies outside the items.
void SelectOrFirst(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
}

}  // namespace

TFrmInfo::TFrmInfo(const std::string& programFolder, const CaseRecord& record, QWidget* parent)
    : QDialog(parent), placeFile_(places::PlaceFilePath(programFolder)), record_(record) {
    setObjectName(QStringLiteral("FrmInfo"));
    setWindowTitle(QStringLiteral("命例信息"));
    BuildControls();
    FormShow();
}

void TFrmInfo::BuildControls() {
    Edtname = Named(new QLineEdit(this), "Edtname");
    LimitToGbkBytes(*Edtname, kNameBytes);
    EdtYear = Named(new QLineEdit(this), "EdtYear");
    EdtYear->setMaxLength(4);
    EdtYear->setFixedWidth(48);
    UpDyear = Named(new UpDownButtons(kFirstEnterableYear + 1, kLastEnterableYear, this), "UpDyear");
    connect(UpDyear, &UpDownButtons::Clicked, this, &TFrmInfo::UpDyearClick);
    cbom = DropDownList(this, "cbom");
    cbod = DropDownList(this, "cbod");
    cbos = DropDownList(this, "cbos");
    cbomin = DropDownList(this, "cbomin");
    FillDateTimeCombos(*cbom, *cbod, *cbos, *cbomin);

    Rdogl = Named(new QRadioButton(QStringLiteral("公历"), this), "Rdogl");
    Rdonl = Named(new QRadioButton(QStringLiteral("农历"), this), "Rdonl");
    Chkrun = Named(new QCheckBox(QStringLiteral("农历闰月"), this), "Chkrun");
    Rdona = Named(new QRadioButton(QStringLiteral("男"), this), "Rdona");
    Rdonv = Named(new QRadioButton(QStringLiteral("女"), this), "Rdonv");
    for (auto pair : {std::pair{Rdogl, Rdonl}, std::pair{Rdona, Rdonv}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }

    cbodiZ = DropDownList(this, "cbodiZ");
    for (std::string_view province : places::kProvinces)
        cbodiZ->addItem(QString::fromUtf8(province.data(), static_cast<qsizetype>(province.size())));
    connect(cbodiZ, &QComboBox::activated, this, &TFrmInfo::cbodiZClick);
    cbodiC = DropDownList(this, "cbodiC");
    cbodiC->setToolTip(QStringLiteral("选择邻近城市"));
    cbodiC->setMinimumWidth(110);

    Memo1 = Named(new QPlainTextEdit(this), "Memo1");
    GuardPaste(*Memo1);
    LimitMemoToGbkBytes(*Memo1, kNoteBytes);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("姓名"), this), 0, 0);
    grid->addWidget(Edtname, 0, 1);
    auto* date = new QHBoxLayout;
    date->addWidget(EdtYear);
    date->addWidget(UpDyear);
    for (QComboBox* c : {cbom, cbod, cbos, cbomin}) date->addWidget(c);
    date->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("出生"), this), 1, 0);
    grid->addLayout(date, 1, 1);
    auto* kind = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Rdogl, Rdonl, Chkrun, Rdona, Rdonv}) kind->addWidget(w);
    kind->addStretch();
    grid->addLayout(kind, 2, 1);
    auto* place = new QHBoxLayout;
    place->addWidget(cbodiZ);
    place->addWidget(cbodiC);
    place->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("出生地"), this), 3, 0);
    grid->addLayout(place, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    AddButton(this, buttons, QStringLiteral("保存"), "BtnSave", &TFrmInfo::BtnSaveClick);
    AddButton(this, buttons, QStringLiteral("关闭"), "BtnClose", &TFrmInfo::BtnCloseClick);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("附加信息"), this));
    layout->addWidget(Memo1);
    layout->addLayout(buttons);
}

void TFrmInfo::FormShow() {
    const CasePerson& a = record_.a;
    UpDyear->SetPosition(a.year);
    EdtYear->setText(QString::number(ShownYear(a.year)));
    SelectOrFirst(cbom, a.month - 1);
    SelectOrFirst(cbod, a.day - 1);
    SelectOrFirst(cbos, a.hour);
    SelectOrFirst(cbomin, a.minute);
    (a.lunar ? Rdonl : Rdogl)->setChecked(true);
    Chkrun->setChecked(a.leap != 0);
    (a.male ? Rdona : Rdonv)->setChecked(true);
    Edtname->setText(QString::fromStdString(gbk::ReadField(a.name)));
    SelectOrFirst(cbodiZ, a.province);
    cbodiZClick();
    SelectOrFirst(cbodiC, a.city);
    Memo1->setPlainText(FromCrLf(gbk::ReadField(record_.note)));
}

void TFrmInfo::cbodiZClick() {
    const int province = cbodiZ->currentIndex();
    // "未知地" has no section: the place file need not be read for it.
    const places::CityChoice choice = places::PanelCities(
        province == places::kNoPlaceProvince ? IniDocument() : IniDocument::Load(placeFile_), province);
    cbodiC->clear();
    for (const places::City& city : choice.cities) cbodiC->addItem(QString::fromStdString(city.name));
    cbodiC->setCurrentIndex(0);
}

void TFrmInfo::UpDyearClick(int position) { EdtYear->setText(QString::number(ShownYear(position))); }

bool TFrmInfo::StoreBirthData() {
    if (Edtname->text().isEmpty()) {
        Messages().Notice(this, QStringLiteral("姓名不能为空"), kHint, MessageIcon::None);
        Edtname->setFocus();
        return false;
    }
    const int year = NumberOr(EdtYear->text(), kNotAYear);
    if (!IsEnterableYear(year)) {
        Messages().Notice(this, kYearRangeFault, kYearFaultCaption, MessageIcon::Warning);
        EdtYear->setFocus();
        return false;
    }
    CasePerson& a = record_.a;
    a.year = static_cast<int16_t>(StoredYear(year));
    UpDyear->SetPosition(a.year);
    a.month = static_cast<int16_t>(cbom->currentIndex() + 1);
    a.day = static_cast<int16_t>(cbod->currentIndex() + 1);
    a.hour = static_cast<int16_t>(cbos->currentIndex());
    a.minute = static_cast<int16_t>(cbomin->currentIndex());
    a.lunar = Rdonl->isChecked() ? 1 : 0;
    a.leap = Chkrun->isChecked() ? 1 : 0;
    a.male = Rdona->isChecked() ? 1 : 0;
    a.province = static_cast<int16_t>(cbodiZ->currentIndex());
    a.city = static_cast<int16_t>(cbodiC->currentIndex());
    gbk::WriteField(a.name, Edtname->text().toStdString());
    return true;
}

void TFrmInfo::BtnSaveClick() {
    if (!Messages().Ask(this, QStringLiteral("确定要保存修改吗？"), kHint, MessageIcon::None)) return;
    if (!StoreBirthData()) return;
    const QString note = Memo1->toPlainText();
    if (note.trimmed().isEmpty()) {
        Messages().Notice(this, QStringLiteral("附加信息不能为空"), QStringLiteral("错误"), MessageIcon::Error);
        Memo1->setFocus();
        return;
    }
    if (!StorableInGbk(this, {Edtname->text(), note})) return;
    gbk::WriteField(record_.note, WithCrLf(note));
    accept();
}

void TFrmInfo::BtnCloseClick() { reject(); }
