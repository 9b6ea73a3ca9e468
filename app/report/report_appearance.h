// The report view's looks that the settings file keeps (section "minggao"):
// font name, font size and background colour, and the commands of
// "选项(&O)" ▸ "命稿设置" and of the popup item "设置选中文本" that change them
// or the look of the selected text.
#pragma once

#include <QColor>
#include <QFont>

class QTextEdit;
class QWidget;

// The stored colour is a Windows colour value 0x00BBGGRR. The default is
// red 0xD0, green 0xCC, blue 0xC0, a light grey.
inline constexpr int kDefaultBackground = 12635344;
QColor FromWindowsColor(int value);
int ToWindowsColor(const QColor& colour);

QColor ReportBackground(const QTextEdit& view);
// The background behind the text; the text itself is black unless styled.
void SetReportBackground(QTextEdit& view, const QColor& colour);

// The view's font name and size as the settings file keeps them
// (section "minggao": "宋体" and 12 points when missing).
class IniDocument;
QFont StoredReportFont(const IniDocument& settings);

// Gives the view a new font and carries it into the text on screen at
// once, whether computed, stored or loaded: every character takes the new
// family, and its size moves by as much as the view's size does, so that
// the report keeps its own smaller readings and larger index; colours and
// bold stay. The change is not an edit of the report.
void SetReportFont(QTextEdit& view, const QFont& font);

// "默认": "宋体", 12 points, the light grey.
void ResetReportLooks(QTextEdit& view);
// "字体设置": the font dialog preset with the view's font; on OK the chosen
// name and size become the view's (style and colour are the report's own).
// False when cancelled.
bool ChooseReportFont(QTextEdit& view, QWidget* parent);
// "背景色设置": the colour dialog preset with the background; false when
// cancelled.
bool ChooseReportBackground(QTextEdit& view, QWidget* parent);

// "设置选中文本": with a selection, the font dialog preset with the selected
// text's font, size, style and colour, which on OK become the selection's.
// Nothing happens without a selection.
void RestyleSelection(QTextEdit& view, QWidget* parent);
