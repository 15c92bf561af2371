#pragma once

#include <QByteArrayView>

// True when `pattern` occurs in `text`; false when the text is empty or shorter
// than the pattern. Used on modem replies.
bool textContains(QByteArrayView text, QByteArrayView pattern);
