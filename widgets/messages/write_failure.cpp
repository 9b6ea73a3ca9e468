#include "widgets/messages/write_failure.h"

#include "widgets/messages/message_box.h"
#include "cases/MDataBase.h"

bool Written(QWidget* parent, bool ok, const QString& file) {
    if (!ok)
        Messages().Notice(parent, QStringLiteral("无法写入文件") + file + QStringLiteral("，修改没有保存。"),
                          QStringLiteral("错误"), MessageIcon::Error);
    return ok;
}

bool StoreWritten(QWidget* parent, const MDataBase& store, bool ok, const QString& file) {
    if (ok) return true;
    switch (store.LastFailure()) {
    case StoreFailure::Busy:
        Messages().Notice(parent,
                          QStringLiteral("历史记录正由%1修改，请稍后再试。修改没有保存。")
                              .arg(QString::fromStdString(store.OtherWriter())),
                          QStringLiteral("提示"), MessageIcon::Warning);
        return false;
    case StoreFailure::Replaced:
        Messages().Notice(parent, QStringLiteral("历史记录已被其他程序替换或清除，修改没有保存。请重启软件。"),
                          QStringLiteral("错误"), MessageIcon::Error);
        return false;
    default: return Written(parent, false, file);
    }
}

void ReportNotWritten(QWidget* parent, const QString& reportFile) {
    Messages().Notice(parent,
                      QStringLiteral("命例已保存，但无法写入报告文件") + reportFile +
                          QStringLiteral("，报告文本没有保存。"),
                      QStringLiteral("错误"), MessageIcon::Error);
}
