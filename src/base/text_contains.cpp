#include "base/text_contains.h"

bool textContains(QByteArrayView text, QByteArrayView pattern)
{
    if (text.isEmpty() || text.size() < pattern.size())
        return false;
    return text.contains(pattern);
}
