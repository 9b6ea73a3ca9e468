// Text typed by the user that goes into a GBK file.
#pragma once

#include <cstddef>
#include <initializer_list>

class QLineEdit;
class QString;
class QWidget;

// Input boxes whose text goes into a fixed-size GBK field take at most so
// many GBK bytes (a Chinese character counts 2), cut on a character boundary.
void LimitToGbkBytes(QLineEdit& edit, std::size_t maxBytes);

// The check before such text is stored: true when GBK can hold all of the
// texts; otherwise a warning names the characters that cannot be stored, so
// nothing is ever written as "?", and the answer is false.
bool StorableInGbk(QWidget* parent, std::initializer_list<QString> texts);
