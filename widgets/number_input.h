// Numbers typed into boxes: a box's text read as a decimal integer (blanks
// around it allowed), with the value a check takes for a text that is not a
// number; and the range of birth years a user may type.
#pragma once

#include <QString>

inline int NumberOr(const QString& text, int notANumber) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : notANumber;
}

// Years are typed without a year 0, 1 BC as −1.
constexpr int kFirstEnterableYear = -850;
constexpr int kLastEnterableYear = 2100;
// What a year box that holds no number counts as: outside every range.
constexpr int kNotAYear = -1000;

constexpr bool IsEnterableYear(int year) {
    return year >= kFirstEnterableYear && year <= kLastEnterableYear && year != 0;
}

inline const QString kYearRangeFault = QStringLiteral(
    "年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120");
inline const QString kYearFaultCaption = QStringLiteral("年份错误");
