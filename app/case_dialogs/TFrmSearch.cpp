#include "app/case_dialogs/TFrmSearch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/birth/BirthPanel.h"
#include "widgets/RadioGroup.h"
#include "widgets/category_combo.h"
#include "widgets/dialog_controls.h"
#include "widgets/gbk_input_limit.h"
#include "widgets/long_work.h"
#include "widgets/messages/message_box.h"
#include "widgets/number_input.h"
#include "cases/MDataBase.h"
#include "engine/base/gbk_codec.h"
#include "engine/places/place_list.h"

namespace {

constexpr std::size_t kNameBytes = 10;

const QString kHint = QStringLiteral("提示");

QLineEdit* YearBox(QWidget* parent, const char* name) {
    auto* box = Named(new QLineEdit(parent), name);
    box->setMaxLength(4);
    box->setFixedWidth(48);
    return box;
}

// A text condition: contains (1) or whole match (2) when text was given.
template <std::size_t N>
uint8_t TextCondition(const QString& text, bool whole, char (&field)[N]) {
    if (text.isEmpty()) return 0;  // the old text stays, unused
    gbk::WriteField(field, text.toStdString());
    return whole ? 2 : 1;
}

template <std::size_t N>
QString ShownCondition(uint8_t mode, const char (&field)[N]) {
    return mode == 0 ? QString() : QString::fromStdString(gbk::ReadField(field));
}

}  // namespace

TFrmSearch::TFrmSearch(const MDataBase& store, const IniFile& settings, SearchCriteria& criteria, QWidget* parent)
    : QDialog(parent), store_(store), settings_(settings), criteria_(criteria) {
    setObjectName(QStringLiteral("FrmSearch"));
    setWindowTitle(QStringLiteral("查找命例"));
    BuildControls();
    FormShow();
}

void TFrmSearch::BuildControls() {
    const QStringList sexes = {QStringLiteral("不分"), QStringLiteral("男"), QStringLiteral("女")};
    RdoSex = Named(new RadioGroup(QStringLiteral("性别"), sexes, 3, this), "RdoSex");
    LedtY1 = YearBox(this, "LedtY1");
    LedtY2 = YearBox(this, "LedtY2");
    CboFenLei = CategoryCombo(this, settings_);
    ChkClass = Named(new QCheckBox(QStringLiteral("全字匹配"), this), "ChkClass");
    Edtname = Named(new QLineEdit(this), "Edtname");
    LimitToGbkBytes(*Edtname, kNameBytes);
    ChkName = Named(new QCheckBox(QStringLiteral("全字匹配"), this), "ChkName");
    cbodiZ = Named(new QComboBox(this), "cbodiZ");
    cbodiZ->setMaxVisibleItems(24);
    Animate1 = Named(new QProgressBar(this), "Animate1");
    Animate1->setRange(0, 0);  // a busy indicator
    Animate1->setTextVisible(false);
    Animate1->hide();

    auto* grid = new QGridLayout;
    grid->addWidget(RdoSex, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("出生年从"), this), 1, 0);
    auto* years = new QHBoxLayout;
    years->addWidget(LedtY1);
    years->addWidget(new QLabel(QStringLiteral("到"), this));
    years->addWidget(LedtY2);
    years->addStretch();
    grid->addLayout(years, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("类别"), this), 2, 0);
    grid->addWidget(CboFenLei, 2, 1, 1, 2);
    grid->addWidget(ChkClass, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("姓名"), this), 3, 0);
    grid->addWidget(Edtname, 3, 1, 1, 2);
    grid->addWidget(ChkName, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("出生地"), this), 4, 0);
    grid->addWidget(cbodiZ, 4, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Animate1);
    buttons->addStretch();
    buttons_[0] = AddButton(this, buttons, QStringLiteral("查找"), "BtnFind", &TFrmSearch::BtnFindClick);
    buttons_[1] = AddButton(this, buttons, QStringLiteral("全部"), "BtnAll", &TFrmSearch::BtnAllClick);
    buttons_[2] = AddButton(this, buttons, QStringLiteral("关闭"), "BtnClose", &TFrmSearch::BtnCloseClick);
    buttons_[0]->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void TFrmSearch::FormShow() {
    cbodiZ->addItem(QString());
    for (std::string_view province : places::kProvinces)
        cbodiZ->addItem(QString::fromUtf8(province.data(), static_cast<qsizetype>(province.size())));

    const int province = criteria_.province;
    cbodiZ->setCurrentIndex(province >= 0 && province < places::kProvinceCount ? province + 1 : 0);
    RdoSex->SetItemIndex(criteria_.sexOn == 0 ? 0 : criteria_.sex == 1 ? 1 : 2);
    if (criteria_.yearsOn) {
        LedtY1->setText(QString::number(ShownYear(criteria_.yearFrom)));
        LedtY2->setText(QString::number(ShownYear(criteria_.yearTo)));
    }
    ChkName->setChecked(criteria_.nameMode == 2);
    Edtname->setText(ShownCondition(criteria_.nameMode, criteria_.name));
    ChkClass->setChecked(criteria_.categoryMode == 2);
    CboFenLei->setEditText(ShownCondition(criteria_.categoryMode, criteria_.category));
    showResult_ = false;
}

bool TFrmSearch::ReadYears() {
    if (LedtY1->text().isEmpty() && LedtY2->text().isEmpty()) {
        criteria_.yearsOn = 0;
        return true;
    }
    const int from = NumberOr(LedtY1->text(), kNotAYear);
    const int to = NumberOr(LedtY2->text(), kNotAYear);
    if (!IsEnterableYear(from) || !IsEnterableYear(to)) {
        Messages().Notice(this, kYearRangeFault, kYearFaultCaption, MessageIcon::Warning);
        return false;
    }
    if (to < from) {
        Messages().Notice(this, QStringLiteral("结束年必须大于或等于起始年"), kYearFaultCaption, MessageIcon::Warning);
        return false;
    }
    criteria_.yearsOn = 1;
    criteria_.yearFrom = static_cast<int16_t>(StoredYear(from));
    criteria_.yearTo = static_cast<int16_t>(StoredYear(to));
    return true;
}

bool TFrmSearch::RunSearch() {
    criteria_.province = static_cast<int16_t>(cbodiZ->currentIndex() <= 0 ? -1 : cbodiZ->currentIndex() - 1);
    const int sex = RdoSex->ItemIndex();
    criteria_.sexOn = sex > 0 ? 1 : 0;
    if (sex > 0) criteria_.sex = sex == 1 ? 1 : 0;
    if (!ReadYears()) return false;
    criteria_.nameMode = TextCondition(Edtname->text(), ChkName->isChecked(), criteria_.name);
    criteria_.categoryMode =
        TextCondition(CboFenLei->currentText().trimmed(), ChkClass->isChecked(), criteria_.category);

    if (store_.CaseCount() == 0) {
        Messages().Plain(this, QStringLiteral("没有记录，无从查找。"));
        return false;
    }
    if (!FindCases()) return false;
    if (result_.empty()) {
        Messages().Notice(this, QStringLiteral("没有找到符合条件的命例。"), QStringLiteral("信息"), MessageIcon::Information);
        return false;
    }
    return Messages().Ask(this, QStringLiteral("共找到%1条记录，要显示到命例列表中吗？").arg(result_.size()), kHint,
                          MessageIcon::Information);
}

bool TFrmSearch::FindCases() {
    for (QPushButton* b : buttons_) b->setEnabled(false);
    Animate1->show();
    Animate1->repaint();
    result_.clear();
    LongWork work(this, QStringLiteral("正在查找命例……"), LongWork::Cancel::Offered);
    work.RunInWorker([this] { store_.FindCases(criteria_, result_); });
    // A cancelled search shows nothing: the tree stays as it was.
    if (work.Cancelled()) result_.clear();
    Animate1->hide();
    for (QPushButton* b : buttons_) b->setEnabled(true);
    return !work.Cancelled();
}

void TFrmSearch::BtnFindClick() {
    if (!RunSearch()) return;
    showResult_ = true;
    accept();
}

void TFrmSearch::BtnAllClick() {
    if (!Messages().Ask(this, QStringLiteral("这将清除所有输入的条件参数，以便搜索所有命例，确定吗？"), kHint,
                        MessageIcon::None))
        return;
    RdoSex->SetItemIndex(0);
    LedtY1->clear();
    LedtY2->clear();
    Edtname->clear();
    ChkName->setChecked(false);
    CboFenLei->setEditText(QString());
    ChkClass->setChecked(false);
    cbodiZ->setCurrentIndex(0);
    BtnFindClick();
}

void TFrmSearch::BtnCloseClick() {
    showResult_ = false;
    reject();
}
