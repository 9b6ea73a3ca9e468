#include "app/tool_windows/TFrmDiLi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/gbk_input_limit.h"
#include "widgets/messages/message_box.h"
#include "engine/base/ini_file.h"
#include "engine/places/place_list.h"

namespace {

const QString kDone = QStringLiteral("完成");
const QString kCaution = QStringLiteral("注意");
const QString kInputError = QStringLiteral("输入错误");

QLineEdit* NumberBox(QWidget* parent, const char* name, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    box->setFixedWidth(44);
    return box;
}

// Characters that would break the line structure of the place file.
bool UsableCityName(const QString& name) {
    return !name.contains(u'=') && !name.contains(u'[') && !name.contains(u']') && !name.startsWith(u';');
}

}  // namespace

TFrmDiLi::TFrmDiLi(const std::string& programFolder, QWidget* parent)
    : QDialog(parent), placeFile_(std::make_unique<IniFile>(places::PlaceFilePath(programFolder))) {
    setObjectName(QStringLiteral("FrmDiLi"));
    setWindowTitle(QStringLiteral("经纬度设置"));
    BuildControls();
    for (int i = 0; i < places::kNoPlaceProvince; ++i) CboSheng->addItem(QString::fromUtf8(places::kProvinces[i]));
    CboSheng->setCurrentIndex(0);
    CboShengClick();
}

TFrmDiLi::~TFrmDiLi() = default;

void TFrmDiLi::BuildControls() {
    CboSheng = new QComboBox(this);
    CboSheng->setObjectName(QStringLiteral("CboSheng"));
    CboShi = new QComboBox(this);
    CboShi->setObjectName(QStringLiteral("CboShi"));
    CboShi->setMinimumWidth(110);
    CboShi->setMaxVisibleItems(24);
    connect(CboSheng, &QComboBox::activated, this, &TFrmDiLi::CboShengClick);
    connect(CboShi, &QComboBox::activated, this, &TFrmDiLi::CboShiClick);

    // Room for a sign: −179 and −89 are valid.
    LedtJingDu = NumberBox(this, "LedtJingDu", 4);
    LedtJingFen = NumberBox(this, "LedtJingFen", 2);
    LedtWeiDu = NumberBox(this, "LedtWeiDu", 3);
    LedtWeiFen = NumberBox(this, "LedtWeiFen", 2);
    LedtShiName = new QLineEdit(QStringLiteral("市县名"), this);
    LedtShiName->setObjectName(QStringLiteral("LedtShiName"));
    LimitToGbkBytes(*LedtShiName, places::kMaxCityNameBytes);

    auto* add = new QPushButton(QStringLiteral("增加"), this);
    add->setObjectName(QStringLiteral("BtnAdd"));
    auto* edit = new QPushButton(QStringLiteral("修改"), this);
    edit->setObjectName(QStringLiteral("BtnEdit"));
    auto* remove = new QPushButton(QStringLiteral("删除"), this);
    remove->setObjectName(QStringLiteral("BtnDelete"));
    for (QPushButton* b : {add, edit, remove}) b->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &TFrmDiLi::BtnAddClick);
    connect(edit, &QPushButton::clicked, this, &TFrmDiLi::BtnEditClick);
    connect(remove, &QPushButton::clicked, this, &TFrmDiLi::BtnDeleteClick);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("省份"), this), 0, 0);
    grid->addWidget(CboSheng, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("市县"), this), 0, 2);
    grid->addWidget(CboShi, 0, 3);
    auto coordinateRow = [this](const QString& title, QLineEdit* degrees, QLineEdit* minutes) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(title, this));
        row->addWidget(degrees);
        row->addWidget(new QLabel(QStringLiteral("度"), this));
        row->addWidget(minutes);
        row->addWidget(new QLabel(QStringLiteral("分"), this));
        row->addStretch();
        return row;
    };
    grid->addLayout(coordinateRow(QStringLiteral("经度"), LedtJingDu, LedtJingFen), 1, 0, 1, 4);
    grid->addLayout(coordinateRow(QStringLiteral("纬度"), LedtWeiDu, LedtWeiFen), 2, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("新市或县名"), this), 3, 0);
    grid->addWidget(LedtShiName, 3, 1, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    grid->addLayout(buttons, 4, 0, 1, 4);
}

std::string TFrmDiLi::Province() const { return CboSheng->currentText().toStdString(); }

void TFrmDiLi::CboShengClick() {
    CboShi->clear();
    for (const std::string& city : placeFile_->ReadSection(Province())) CboShi->addItem(QString::fromStdString(city));
    if (CboShi->count() > 0) {
        CboShi->setCurrentIndex(0);
        CboShiClick();
    }
}

void TFrmDiLi::CboShiClick() {
    if (CboShi->currentIndex() < 0) return;
    const places::PlaceValue v = places::ReadPlaceValue(
        placeFile_->ReadString(Province(), CboShi->currentText().toStdString(), places::kDefaultValue));
    LedtJingDu->setText(QString::number(v.longitudeDegrees));
    LedtJingFen->setText(QString::number(v.longitudeMinutes));
    LedtWeiDu->setText(QString::number(v.latitudeDegrees));
    LedtWeiFen->setText(QString::number(v.latitudeMinutes));
}

bool TFrmDiLi::CheckedValue(std::string& value) {
    places::PlaceValue v;
    switch (places::CheckPlaceInput(LedtJingDu->text().toStdString(), LedtJingFen->text().toStdString(),
                                    LedtWeiDu->text().toStdString(), LedtWeiFen->text().toStdString(), v)) {
    case places::PlaceInputError::Longitude:
        Messages().Notice(this, QStringLiteral("经度在-180到180之间，分数在0-60之间"), kInputError, MessageIcon::Error);
        return false;
    case places::PlaceInputError::Latitude:
        Messages().Notice(this, QStringLiteral("纬度在-90到90之间，分数在0-60之间"), kInputError, MessageIcon::Error);
        return false;
    case places::PlaceInputError::None: break;
    }
    value = places::FormatPlaceValue(v);
    return true;
}

bool TFrmDiLi::InFile(const std::string& city) const {
    std::string value;
    return placeFile_->Snapshot().Find(Province(), city, value);
}

bool TFrmDiLi::Written(bool ok) {
    if (!ok)
        Messages().Notice(this, QStringLiteral("无法写入地理数据文件dat/dili.ini，修改没有保存。"), QStringLiteral("错误"),
                          MessageIcon::Error);
    return ok;
}

void TFrmDiLi::BtnEditClick() {
    if (CboShi->currentIndex() < 0) return;
    std::string value;
    if (!CheckedValue(value)) return;
    if (Written(placeFile_->WriteString(Province(), CboShi->currentText().toStdString(), value)))
        Messages().Plain(this, kDone);
}

void TFrmDiLi::BtnAddClick() {
    const QString name = LedtShiName->text().trimmed();
    if (name.isEmpty()) return;
    if (!UsableCityName(name)) {
        Messages().Notice(this, QStringLiteral("市县名里不能有“=”、“[”、“]”，也不能以“;”开头"), kInputError,
                          MessageIcon::Warning);
        return;
    }
    if (!StorableInGbk(this, {name})) return;
    const std::string key = name.toStdString();
    std::string existing;
    const bool exists = placeFile_->Snapshot().Find(Province(), key, existing);
    if (exists && !Messages().Ask(this, QStringLiteral("已有这个地方的地理数据，要覆盖吗？"), kCaution, MessageIcon::None))
        return;
    std::string value;
    if (!CheckedValue(value)) return;
    if (!Written(placeFile_->WriteString(Province(), key, value) && InFile(key))) return;
    if (!exists) CboShi->addItem(name);
    Messages().Plain(this, kDone);
}

void TFrmDiLi::BtnDeleteClick() {
    if (CboShi->currentIndex() < 0) return;
    const QString city = CboShi->currentText();
    if (!Messages().Ask(this, QStringLiteral("确定要删除\"") + CboSheng->currentText() + city + QStringLiteral("\"吗？"),
                        kCaution, MessageIcon::Warning))
        return;
    const std::string key = city.toStdString();
    if (!Written(InFile(key) && placeFile_->DeleteKey(Province(), key) && !InFile(key))) return;
    CboShi->removeItem(CboShi->currentIndex());
    Messages().Plain(this, kDone);
}
