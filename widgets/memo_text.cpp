#include "widgets/memo_text.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "engine/base/gbk_codec.h"

QStringList MemoLines(const QString& memoText) {
    if (memoText.isEmpty()) return {};
    QStringList lines = memoText.split(u'\n');
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

std::string WithCrLf(const QString& memoText) {
    return QString(memoText).replace(u'\n', QStringLiteral("\r\n")).toStdString();
}

QString FromCrLf(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string GbkLinesFile(const QStringList& lines) {
    std::string text;
    for (const QString& line : lines) text += line.toStdString() + "\r\n";
    return gbk::FromUtf8(text);
}

void LimitMemoToGbkBytes(QPlainTextEdit& memo, std::size_t maxBytes) {
    QObject::connect(&memo, &QPlainTextEdit::textChanged, &memo, [&memo, maxBytes] {
        const std::string stored = WithCrLf(memo.toPlainText());
        if (gbk::Width(stored) <= maxBytes) return;
        std::string kept = gbk::Truncate(stored, maxBytes);
        if (!kept.empty() && kept.back() == '\r') kept.pop_back();  // never half a line end
        const QString cut = FromCrLf(kept);
        const int cursor = memo.textCursor().position();
        memo.setPlainText(cut);
        QTextCursor c = memo.textCursor();
        c.setPosition(std::min(cursor, static_cast<int>(cut.size())));
        memo.setTextCursor(c);
    });
}
