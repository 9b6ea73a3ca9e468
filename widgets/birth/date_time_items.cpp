#include "widgets/birth/date_time_items.h"

#include <QComboBox>

#include "engine/symbols/symbols.h"

QString HourItem(int hour) {
    // Branch numbers run 1 子 … 11 戌, 0 亥; 子 covers 23:00 and 0:00.
    const int branch = ((hour + 1) % 24 / 2 + 1) % 12;
    return QStringLiteral("%1时").arg(hour) + QString::fromUtf8(sym::kBranchNames[branch]);
}

void FillDateTimeCombos(QComboBox& month, QComboBox& day, QComboBox& hour, QComboBox& minute) {
    for (int m = 1; m <= 12; ++m) month.addItem(QStringLiteral("%1月").arg(m));
    for (int d = 1; d <= 31; ++d) day.addItem(QStringLiteral("%1日").arg(d));
    for (int h = 0; h < 24; ++h) hour.addItem(HourItem(h));
    for (int m = 0; m < 60; ++m) minute.addItem(QStringLiteral("%1分").arg(m));
}
