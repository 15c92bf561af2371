#include "cli/identification_lines.h"

#include "tables/identification.h"

namespace {

// A date part in two digits, or "**" when out of its range.
QString datePart(int value, int lowest, int highest)
{
    if (value < lowest || value > highest)
        return QStringLiteral("**");
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString creationDate(const DateStamp& stamp)
{
    return QStringLiteral("%1.%2.%3  %4:%5:%6")
        .arg(datePart(stamp.day, 1, 31), datePart(stamp.month, 1, 12), datePart(stamp.year, 0, 99),
             datePart(stamp.hour, 0, 23), datePart(stamp.minute, 0, 59), datePart(stamp.second, 0, 59));
}

QString byteOrderText(int code)
{
    switch (code) {
    case Identification::LowAddressHighByte:
        return QStringLiteral("Мл. адрес - ст. байт");
    case Identification::LowAddressLowByte:
        return QStringLiteral("Мл. адрес - мл. байт");
    default:
        return QStringLiteral(" ? ");
    }
}

} // namespace

QStringList identificationLines(QByteArrayView table0)
{
    if (table0.size() < Identification::Size)
        return {};
    const Identification table(
        std::span(reinterpret_cast<const std::uint8_t*>(table0.data()), static_cast<std::size_t>(table0.size())));
    const QString destroyed = table.destroyedTable() == 0
                                  ? QStringLiteral("Разрушенных таблиц нет")
                                  : QStringLiteral("Разрушена таблица %1").arg(table.destroyedTable());
    const QString address = table.addressChangeable() ? QStringLiteral("Есть")
                                                      : QStringLiteral("Нет. Адрес = %1").arg(table.fixedAddress());
    const Identification::ProtocolVersion protocol = table.protocolVersion();
    return {
        QStringLiteral("Код типа контроллера: %1").arg(table.typeCode()),
        QStringLiteral("Версия аппаратного обеспечения: %1").arg(table.hardwareVersion()),
        QStringLiteral("Версия программного обеспечения: %1").arg(table.softwareVersion()),
        QStringLiteral("Дата создания ПО: %1").arg(creationDate(table.softwareCreated())),
        QStringLiteral("Порядок расположения байтов: %1").arg(byteOrderText(table.byteOrder())),
        QStringLiteral("Наличие разрушенных таблиц: %1").arg(destroyed),
        QStringLiteral("Возможность работы на разных скоростях обмена: %1")
            .arg(table.worksAtDifferentBitRates() ? QStringLiteral("Есть") : QStringLiteral("Нет")),
        QStringLiteral("Возможность изменения адреса: %1").arg(address),
        QStringLiteral("Последняя поддерживаемая версия протокола обмена: %1.%2.%3")
            .arg(protocol.major)
            .arg(protocol.minor)
            .arg(protocol.revision),
    };
}
