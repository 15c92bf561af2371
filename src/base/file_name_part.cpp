#include "base/file_name_part.h"

namespace {

bool forbidden(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\<>:\"|?*").contains(c);
}

} // namespace

QString fileNamePart(const QString& text)
{
    QString part = text;
    for (QChar& c : part)
        if (forbidden(c))
            c = QLatin1Char('_');
    return part.replace(QStringLiteral(".."), QStringLiteral("_"));
}
