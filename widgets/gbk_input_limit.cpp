#include "widgets/gbk_input_limit.h"

#include <QLineEdit>

#include "engine/base/gbk_codec.h"

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
