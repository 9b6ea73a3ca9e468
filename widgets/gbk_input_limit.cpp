#include "widgets/gbk_input_limit.h"

#include <QLineEdit>

#include "engine/base/gbk_codec.h"
#include "widgets/messages/message_box.h"

void LimitToGbkBytes(QLineEdit& edit, std::size_t maxBytes) {
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&edit, maxBytes](const QString& text) {
        std::string utf8 = text.toStdString();
        if (gbk::Width(utf8) <= maxBytes) return;
        int cursor = edit.cursorPosition();
        QString cut = QString::fromStdString(gbk::Truncate(utf8, maxBytes));
        edit.setText(cut);
        edit.setCursorPosition(std::min(cursor, static_cast<int>(cut.size())));
    });
}

bool StorableInGbk(QWidget* parent, std::initializer_list<QString> texts) {
    std::string unstorable;
    for (const QString& text : texts) unstorable += gbk::Unstorable(text.toStdString());
    if (unstorable.empty()) return true;
    Messages().Notice(parent, QString::fromStdString(gbk::UnstorableMessage(gbk::Unstorable(unstorable))),
                      QStringLiteral("无法保存"), MessageIcon::Warning);
    return false;
}
