// The items of the month, day, hour and minute combos of the birth inputs:
// "1月" … "12月", "1日" … "31日", "0时子" … "23时子", "0分" … "59分"; the item
// index is the month or day − 1, the hour, the minute.
#pragma once

#include <QString>

class QComboBox;

// The clock hour followed by the branch of the double hour it falls in:
// 23:00–0:59 子, 1:00–2:59 丑, … 21:00–22:59 亥.
QString HourItem(int hour);

void FillDateTimeCombos(QComboBox& month, QComboBox& day, QComboBox& hour, QComboBox& minute);
