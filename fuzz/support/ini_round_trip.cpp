#include "support/ini_round_trip.h"

#include "base/ini_file.h"

QString readBackFromIni(const QString& text)
{
    const QString section = QStringLiteral("S");
    const QString key = QStringLiteral("K");
    IniFile ini;
    ini.writeString(section, key, text);
    return ini.readString(section, key, {});
}
