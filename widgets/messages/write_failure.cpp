#include "widgets/messages/write_failure.h"

#include "widgets/messages/message_box.h"

bool Written(QWidget* parent, bool ok, const QString& file) {
    if (!ok)
        Messages().Notice(parent, QStringLiteral("无法写入文件") + file + QStringLiteral("，修改没有保存。"),
                          QStringLiteral("错误"), MessageIcon::Error);
    return ok;
}
