#include "app/tool_windows/TFrmHuaiYun.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/messages/message_box.h"
#include "widgets/number_input.h"
#include "tools/conception_chart.h"

TFrmHuaiYun::TFrmHuaiYun(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmHuaiYun"));
    setWindowTitle(QStringLiteral("测怀孕"));

    LedtArg = new QLineEdit(QStringLiteral("22"), this);
    LedtArg->setObjectName(QStringLiteral("LedtArg"));
    LedtArg->setMaxLength(2);
    CboMonth = new QComboBox(this);
    CboMonth->setObjectName(QStringLiteral("CboMonth"));
    for (int month = 1; month <= 12; ++month) CboMonth->addItem(QString::number(month) + QStringLiteral("月"));
    CboMonth->setCurrentIndex(0);
    auto* calc = new QPushButton(QStringLiteral("计算"), this);
    calc->setObjectName(QStringLiteral("BtnCalc"));
    calc->setDefault(true);
    StxtOut = new QLabel(this);
    StxtOut->setObjectName(QStringLiteral("StxtOut"));
    StxtOut->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StxtOut->setAlignment(Qt::AlignCenter);
    StxtOut->setMinimumHeight(26);
    connect(calc, &QPushButton::clicked, this, &TFrmHuaiYun::BtnCalcClick);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("清宫珍藏生男生女预计法"), this);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("母亲年龄(虚岁)"), LedtArg);
    form->addRow(QStringLiteral("怀孕月份(农历)"), CboMonth);
    layout->addLayout(form);
    layout->addWidget(calc);
    layout->addWidget(StxtOut);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFrmHuaiYun::BtnCalcClick() {
    const int age = NumberOr(LedtArg->text(), 0);
    if (!conception::IsChartAge(age)) {
        Messages().Notice(this, QStringLiteral("母亲年龄在18-45岁"), QStringLiteral("岁数"), MessageIcon::Error);
        LedtArg->setFocus();
        return;
    }
    const std::string_view text = conception::ChildText(conception::Predict(age, CboMonth->currentIndex() + 1));
    StxtOut->setText(QString::fromUtf8(text.data(), text.size()));
}
