#include "widgets/birth/BirthPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "widgets/UpDownButtons.h"
#include "widgets/birth/date_time_items.h"
#include "widgets/gbk_input_limit.h"
#include "widgets/messages/message_box.h"
#include "widgets/number_input.h"
#include "engine/base/gbk_codec.h"
#include "engine/base/ini_file.h"

namespace {

constexpr std::size_t kNameBytes = 10;

QComboBox* DropDownList(QWidget* parent, const char* name, int width) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setMaxVisibleItems(24);
    combo->setFixedWidth(width);
    return combo;
}

}  // namespace

BirthPanel::BirthPanel(int person, std::string placeFile, QWidget* parent)
    : QWidget(parent),
      person_(person),
      placeFile_(std::move(placeFile)),
      cities_(places::PanelCities(IniDocument(), places::kNoPlaceProvince)) {
    setObjectName(person == 0 ? QStringLiteral("PanelA") : QStringLiteral("PanelB"));
    BuildControls();
}

void BirthPanel::BuildControls() {
    // Panel 乙命's controls carry the names of panel 甲命's with a "2".
    const QString suffix = person_ == 0 ? QString() : QStringLiteral("2");
    auto named = [&suffix](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name) + suffix);
        return w;
    };

    heading_ = new QLabel(person_ == 0 ? QStringLiteral("甲") : QStringLiteral("乙命"), this);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    if (person_ == 1) heading_->setStyleSheet(QStringLiteral("color: #008000;"));

    Edtname = new QLineEdit(QStringLiteral("某人"), this);
    named(Edtname, "Edtname");
    LimitToGbkBytes(*Edtname, kNameBytes);
    Edtname->setFixedWidth(72);

    EdtYear = new QLineEdit(this);
    named(EdtYear, "EdtYear");
    EdtYear->setMaxLength(4);
    EdtYear->setToolTip(QStringLiteral("年份在-850至2100"));
    EdtYear->setFixedWidth(40);
    UpDyear = new UpDownButtons(kFirstEnterableYear + 1, kLastEnterableYear, this);
    named(UpDyear, "UpDyear");
    connect(UpDyear, &UpDownButtons::Clicked, this, &BirthPanel::UpDyearClick);

    // Created in the order of the tab key: date, calendar, leap flag, sex, place.
    cbom = DropDownList(this, "cbom", 52);
    cbod = DropDownList(this, "cbod", 52);
    cbos = DropDownList(this, "cbos", 66);
    cbomin = DropDownList(this, "cbomin", 52);
    CboLi = DropDownList(this, "CboLi", 52);
    Chkrun = new QCheckBox(QStringLiteral("农闰"), this);
    named(Chkrun, "Chkrun");
    Rdona = new QRadioButton(QStringLiteral("男"), this);
    named(Rdona, "Rdona");
    Rdonv = new QRadioButton(QStringLiteral("女"), this);
    named(Rdonv, "Rdonv");
    sex_ = new QButtonGroup(this);
    sex_->addButton(Rdona);
    sex_->addButton(Rdonv);
    (person_ == 0 ? Rdona : Rdonv)->setChecked(true);
    cbodiZ = DropDownList(this, "cbodiZ", 84);
    cbodiC = DropDownList(this, "cbodiC", 100);
    for (QComboBox* c : {cbom, cbod, cbos, cbomin, CboLi, cbodiZ, cbodiC}) c->setObjectName(c->objectName() + suffix);
    CboLi->addItems({QStringLiteral("公历"), QStringLiteral("农历")});
    cbodiZ->setToolTip(QStringLiteral("真太阳时可在菜单\"选项->八字预测设置\"里设定"));
    cbodiC->setToolTip(QStringLiteral("选择邻近城市"));
    connect(cbodiZ, &QComboBox::activated, this, &BirthPanel::ProvinceChanged);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(3);
    nameRow->addWidget(new QLabel(QStringLiteral("姓名"), this));
    nameRow->addWidget(Edtname);
    nameRow->addWidget(EdtYear);
    nameRow->addWidget(UpDyear);
    for (QComboBox* c : {cbom, cbod, cbos, cbomin}) nameRow->addWidget(c);
    nameRow->addStretch();
    auto* placeRow = new QHBoxLayout;
    placeRow->setSpacing(3);
    placeRow->addWidget(CboLi);
    placeRow->addWidget(Chkrun);
    placeRow->addWidget(Rdona);
    placeRow->addWidget(Rdonv);
    placeRow->addWidget(cbodiZ);
    placeRow->addWidget(cbodiC);
    placeRow->addStretch();
    grid->addWidget(heading_, 0, 0, 2, 1);
    grid->addLayout(nameRow, 0, 1);
    grid->addLayout(placeRow, 1, 1);
}

void BirthPanel::FillCombos() {
    FillDateTimeCombos(*cbom, *cbod, *cbos, *cbomin);
    for (int i = 0; i < places::kProvinceCount; ++i) cbodiZ->addItem(QString::fromUtf8(places::kProvinces[i]));
    cbodiC->addItem(QString::fromUtf8(places::kNoPlaceName));
}

void BirthPanel::SetToNow(const QDateTime& now) {
    int year = now.date().year();
    if (year > kLastEnterableYear) year = 2050;
    UpDyear->SetPosition(year);
    EdtYear->setText(QString::number(year));
    cbom->setCurrentIndex(now.date().month() - 1);
    cbod->setCurrentIndex(now.date().day() - 1);
    cbos->setCurrentIndex(now.time().hour());
    cbomin->setCurrentIndex(now.time().minute());
    cbodiZ->setCurrentIndex(places::kNoPlaceProvince);
    ProvinceChanged();
}

void BirthPanel::SelectPlace(int province, int city) {
    if (province < 0 || province >= places::kProvinceCount) province = 0;
    cbodiZ->setCurrentIndex(province);
    ProvinceChanged();
    cbodiC->setCurrentIndex(city >= 0 && city < cbodiC->count() ? city : 0);
}

void BirthPanel::ShowPerson(const CasePerson& person) {
    UpDyear->SetPosition(person.year);
    EdtYear->setText(QString::number(ShownYear(person.year)));
    cbom->setCurrentIndex(person.month - 1);
    cbod->setCurrentIndex(person.day - 1);
    cbos->setCurrentIndex(person.hour);
    cbomin->setCurrentIndex(person.minute);
    CboLi->setCurrentIndex(person.lunar ? 1 : 0);
    Chkrun->setChecked(person.leap != 0);
    (person.male ? Rdona : Rdonv)->setChecked(true);
    Edtname->setText(QString::fromStdString(gbk::ReadField(person.name)));
    SelectPlace(person.province, person.city);
}

int BirthPanel::ProvinceIndex() const { return cbodiZ->currentIndex(); }
int BirthPanel::CityIndex() const { return cbodiC->currentIndex(); }

void BirthPanel::ProvinceChanged() {
    int province = cbodiZ->currentIndex();
    if (province < 0) return;
    // "未知地" has no section: the place file need not be read for it.
    cities_ = places::PanelCities(province == places::kNoPlaceProvince ? IniDocument() : IniDocument::Load(placeFile_),
                                  province);
    cbodiC->clear();
    for (const places::City& city : cities_.cities) cbodiC->addItem(QString::fromStdString(city.name));
    cbodiC->setCurrentIndex(0);
}

void BirthPanel::UpDyearClick(int position) { EdtYear->setText(QString::number(ShownYear(position))); }

QString BirthPanel::PersonWord() const { return person_ == 0 ? QStringLiteral("甲命") : QStringLiteral("乙命"); }

bool BirthPanel::Male() const { return Rdona->isChecked(); }

bool BirthPanel::ReadPanel(BirthData& birth) {
    if (Edtname->text().isEmpty()) {
        Messages().Notice(window(), PersonWord() + QStringLiteral("姓名不能为空"), QStringLiteral("提示"),
                          MessageIcon::Information);
        Edtname->setFocus();
        return false;
    }
    if (!StorableInGbk(window(), {Edtname->text()})) {
        Edtname->setFocus();
        return false;
    }
    const int year = NumberOr(EdtYear->text(), kNotAYear);
    if (!IsEnterableYear(year)) {
        Messages().Notice(window(), PersonWord() + kYearRangeFault, kYearFaultCaption, MessageIcon::Warning);
        EdtYear->setFocus();
        return false;
    }
    UpDyear->SetPosition(StoredYear(year));

    birth = BirthData{};
    birth.person = static_cast<uint8_t>(person_);
    gbk::WriteField(birth.name, Edtname->text().toStdString());
    birth.year = static_cast<int16_t>(StoredYear(year));
    birth.month = static_cast<int16_t>(cbom->currentIndex() + 1);
    birth.day = static_cast<int16_t>(cbod->currentIndex() + 1);
    birth.hour = static_cast<int16_t>(cbos->currentIndex());
    birth.minute = static_cast<int16_t>(cbomin->currentIndex());
    birth.lunar = CboLi->currentIndex() == 1 ? 1 : 0;
    birth.leap = Chkrun->isChecked() ? 1 : 0;
    birth.male = Rdona->isChecked() ? 1 : 0;
    birth.province = static_cast<int16_t>(cbodiZ->currentIndex());
    int cityIndex = cbodiC->currentIndex();
    if (cityIndex < 0 || cityIndex >= static_cast<int>(cities_.cities.size())) cityIndex = 0;
    birth.city = static_cast<int16_t>(cityIndex);
    const places::City& city = cities_.cities.at(birth.city);
    birth.longitude = city.longitude;
    birth.latitude = city.latitude;
    gbk::WriteField(birth.place, places::PlaceText(cities_, birth.province, birth.city));
    return true;
}
