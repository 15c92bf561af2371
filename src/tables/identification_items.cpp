#include "tables/identification_items.h"

#include "tables/identification.h"

namespace {

const QString TypeLabel = QStringLiteral("Код типа контроллера");
const QString SoftwareVersionLabel = QStringLiteral("Версия программного обеспечения");

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

std::vector<IdentificationItem> identificationItems(QByteArrayView table0)
{
    if (table0.size() < Identification::Size)
        return {};
    const Identification table(
        std::span(reinterpret_cast<const std::uint8_t*>(table0.data()), static_cast<std::size_t>(table0.size())));
    const bool destroyed = table.destroyedTable() != 0;
    const QString address = table.addressChangeable() ? QStringLiteral("Есть")
                                                      : QStringLiteral("Нет. Адрес = %1").arg(table.fixedAddress());
    const Identification::ProtocolVersion protocol = table.protocolVersion();
    return {
        {TypeLabel, QString::number(table.typeCode())},
        {QStringLiteral("Версия аппаратного обеспечения"), QString::number(table.hardwareVersion())},
        {SoftwareVersionLabel, QString::number(table.softwareVersion())},
        {QStringLiteral("Дата создания ПО"), creationDate(table.softwareCreated())},
        {QStringLiteral("Порядок расположения байтов"), byteOrderText(table.byteOrder())},
        {QStringLiteral("Наличие разрушенных таблиц"),
         destroyed ? QStringLiteral("Разрушена таблица %1").arg(table.destroyedTable())
                   : QStringLiteral("Разрушенных таблиц нет"),
         destroyed},
        {QStringLiteral("Возможность работы на разных скоростях обмена"),
         table.worksAtDifferentBitRates() ? QStringLiteral("Есть") : QStringLiteral("Нет")},
        {QStringLiteral("Возможность изменения адреса"), address},
        {QStringLiteral("Последняя поддерживаемая версия протокола обмена"),
         QStringLiteral("%1.%2.%3").arg(protocol.major).arg(protocol.minor).arg(protocol.revision)},
    };
}

bool knownOfNewConfiguration(const IdentificationItem& item)
{
    return item.label == TypeLabel || item.label == SoftwareVersionLabel;
}
