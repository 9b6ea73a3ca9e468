// Input boxes whose text goes into a fixed-size GBK field take at most so
// many GBK bytes (a Chinese character counts 2), cut on a character boundary.
#pragma once

#include <cstddef>

class QLineEdit;

void LimitToGbkBytes(QLineEdit& edit, std::size_t maxBytes);
