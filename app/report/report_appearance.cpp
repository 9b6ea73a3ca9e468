#include "app/report/report_appearance.h"

#include <QColorDialog>
#include <QTextCursor>
#include <QTextEdit>

#include "app/report/FontColorDialog.h"
#include "widgets/fonts.h"

QColor FromWindowsColor(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

int ToWindowsColor(const QColor& colour) { return colour.red() | (colour.green() << 8) | (colour.blue() << 16); }

QColor ReportBackground(const QTextEdit& view) { return view.palette().color(QPalette::Base); }

void SetReportBackground(QTextEdit& view, const QColor& colour) {
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, Qt::black);
    view.setPalette(palette);
}

void ResetReportLooks(QTextEdit& view) {
    view.setFont(FontNamed(kDefaultFontName, 12));
    SetReportBackground(view, FromWindowsColor(kDefaultBackground));
}

bool ChooseReportFont(QTextEdit& view, QWidget* parent) {
    FontColorDialog dialog(view.font(), Qt::black, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QFont chosen = dialog.SelectedFont();
    view.setFont(FontNamed(chosen.family(), chosen.pointSize()));
    return true;
}

bool ChooseReportBackground(QTextEdit& view, QWidget* parent) {
    const QColor colour = QColorDialog::getColor(ReportBackground(view), parent, QStringLiteral("颜色"));
    if (!colour.isValid()) return false;
    SetReportBackground(view, colour);
    return true;
}

void RestyleSelection(QTextEdit& view, QWidget* parent) {
    QTextCursor selection = view.textCursor();
    if (!selection.hasSelection()) return;
    // The selection's look is that of its first character.
    QTextCursor first(view.document());
    first.setPosition(selection.selectionStart() + 1);
    const QTextCharFormat format = first.charFormat();
    const QFont font = format.font().resolve(view.document()->defaultFont());
    const QColor colour = format.foreground().style() != Qt::NoBrush ? format.foreground().color() : QColor(Qt::black);

    FontColorDialog dialog(font, colour, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    QTextCharFormat chosen;
    chosen.setFont(dialog.SelectedFont());
    chosen.setForeground(dialog.SelectedColour());
    selection.mergeCharFormat(chosen);
}
