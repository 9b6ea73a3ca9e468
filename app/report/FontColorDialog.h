// "字体": the font dialog of the report view, as a desktop font dialog offers
// it — font, style, size, the effects underline and strike-out, and the
// text colour from the sixteen standard colours — with a sample line. The
// fonts that keep the report's columns aligned come first; the others are
// marked and warned about when chosen.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QComboBox;
class QLabel;

class FontColorDialog : public QDialog {
    Q_OBJECT
public:
    // Preset with this font and colour; a colour outside the standard ones
    // is offered as "自定义".
    FontColorDialog(const QFont& font, const QColor& colour, QWidget* parent = nullptr);

    // What the user chose; the size is in points.
    QFont SelectedFont() const;
    QColor SelectedColour() const;

private:
    void BuildControls();
    void Preset(const QFont& font, const QColor& colour);
    void FillFonts();
    void SelectFamily(const QString& family);
    QString ChosenFamily() const;
    void ShowSample();

    QString presetFamily_;
    QString shownFamily_;  // what the font list showed for it
    int presetSize_ = 12;

    QComboBox* CboFont;  // item data: the family
    QComboBox* CboStyle;
    QComboBox* CboSize;
    QCheckBox* ChkStrikeOut;
    QCheckBox* ChkUnderline;
    QComboBox* CboColour;
    QLabel* LabSample;
    QLabel* LabFontWarning;
};
