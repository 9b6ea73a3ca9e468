// Pasting into a multi-line text box when the clipboard holds nothing. On a
// fresh X session (nothing copied yet, or the program that copied has quit)
// Qt's text boxes can crash while asking the clipboard for its data; a
// guarded box then simply pastes nothing. Every multi-line text box of the
// program (the report view, memos, notes) is guarded.
#pragma once

#include <QClipboard>

class QWidget;

// Whether the clipboard (or the X11 selection) holds any data to paste.
bool ClipboardHasData(QClipboard::Mode mode = QClipboard::Clipboard);

// Guards the text box (a QTextEdit or QPlainTextEdit): Ctrl+V, Shift+Insert
// and the middle button paste only while the clipboard has data.
void GuardPaste(QWidget& textBox);
