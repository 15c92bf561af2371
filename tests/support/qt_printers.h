#pragma once

// Lets GoogleTest print Qt strings, byte arrays and the engine's status readably in failure messages.
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

// The engine's status by its protocol number.
enum class ExchangeStatus : int;
inline void PrintTo(ExchangeStatus status, std::ostream* out)
{
    *out << "ExchangeStatus " << static_cast<int>(status);
}

// How a file replacement ended, by its number.
enum class SaveStatus;
inline void PrintTo(SaveStatus status, std::ostream* out)
{
    *out << "SaveStatus " << static_cast<int>(status);
}
