#include "app/report/report_appearance.h"

#include <QColorDialog>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <vector>

#include "app/report/FontColorDialog.h"
#include "widgets/fonts.h"
#include "app/report/report_modified.h"
#include "engine/base/ini_file.h"

namespace {

double PointSize(const QFont& font) { return font.pointSizeF() > 0 ? font.pointSizeF() : 12; }

}  // namespace

QFont StoredReportFont(const IniDocument& settings) {
    QString name = QString::fromStdString(settings.ReadString("minggao", "fname", kDefaultFontName.toStdString()));
    if (name.trimmed().isEmpty()) name = kDefaultFontName;
    return FontNamed(name, settings.ReadInteger("minggao", "fsize", 12));
}

void SetReportFont(QTextEdit& view, const QFont& font) {
    const double oldSize = PointSize(view.font());
    const double change = PointSize(font) - oldSize;
    struct Run {
        int start, length;
        double size;
    };
    std::vector<Run> runs;
    QTextDocument* doc = view.document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const double size = fragment.charFormat().fontPointSize();
            runs.push_back({fragment.position(), fragment.length(), size > 0 ? size : oldSize});
        }

    const ProgramWrite write(view);
    view.setFont(font);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (const Run& run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.start + run.length, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontFamilies(QStringList{font.family()});
        format.setFontPointSize(std::max(1.0, run.size + change));
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
    QTextCharFormat typing = view.currentCharFormat();
    typing.setFontFamilies(QStringList{font.family()});
    typing.setFontPointSize(std::max(1.0, (typing.fontPointSize() > 0 ? typing.fontPointSize() : oldSize) + change));
    view.setCurrentCharFormat(typing);
}

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
    SetReportFont(view, FontNamed(kDefaultFontName, 12));
    SetReportBackground(view, FromWindowsColor(kDefaultBackground));
}

bool ChooseReportFont(QTextEdit& view, QWidget* parent) {
    FontColorDialog dialog(view.font(), Qt::black, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QFont chosen = dialog.SelectedFont();
    SetReportFont(view, FontNamed(chosen.family(), chosen.pointSize()));
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
