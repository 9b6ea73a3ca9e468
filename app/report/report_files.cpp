#include "app/report/report_files.h"

#include <QFileDialog>
#include <QTextDocument>
#include <QTextEdit>

#include "widgets/messages/message_box.h"
#include "app/report/report_view_files.h"
#include "widgets/messages/save_file_dialog.h"
#include "widgets/messages/write_failure.h"
#include "richtext/qt/text_document_conversion.h"
#include "richtext/report_file.h"

bool SaveReport(const QTextEdit& view, const QString& path, ReportFileKind kind) {
    if (kind == ReportFileKind::Rtf) return WriteReportFile(view, path.toStdString());
    return richtext::SaveReportText(path.toStdString(), richtext::DocumentFromTextDocument(*view.document()));
}

void ImportReport(QTextEdit& view, QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("导入命稿"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("All.rtf (*.rtf)"), QStringLiteral("All.txt (*.txt)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    if (!LoadReportFileInto(view, dialog.selectedFiles().first().toStdString())) {
        Messages().Notice(parent, QStringLiteral("导入文件出错,请重试一次"), QStringLiteral("重试一次"),
                          MessageIcon::None);
        return;
    }
    // The view holds another text now: a change the user made.
    view.document()->setModified(true);
}

void SaveReportAs(const QTextEdit& view, QWidget* parent) {
    const ChosenFile file = ChooseSaveFile(
        parent, QStringLiteral("另存为"),
        {{QStringLiteral("Rtf格式"), QStringLiteral(".rtf")}, {QStringLiteral("Txt格式"), QStringLiteral(".txt")}});
    if (file.path.isEmpty()) return;
    const ReportFileKind kind = file.filter == 0 ? ReportFileKind::Rtf : ReportFileKind::Text;
    if (Written(parent, SaveReport(view, file.path, kind), file.path)) Messages().Plain(parent, QStringLiteral("已保存！"));
}
