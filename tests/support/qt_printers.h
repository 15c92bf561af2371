#pragma once

// Lets GoogleTest print Qt strings and byte arrays readably in failure messages.
// Included into every test source by the build.

#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << bytes.toHex(' ').toStdString();
}
