#include "cli/identification_lines.h"

namespace {

// Offsets of table 0.
constexpr int DestroyedTable = 0;
constexpr int TypeCode = 1;
constexpr int HardwareVersion = 2;
constexpr int SoftwareVersion = 3;
constexpr int Year = 4;
constexpr int Month = 5;
constexpr int Day = 6;
constexpr int Hour = 7;
constexpr int Minute = 8;
constexpr int Second = 9;
constexpr int ByteOrder = 10;
constexpr int SeveralBitRates = 11;
constexpr int FixedAddress = 13;
constexpr int ProtocolVersion = 14;
constexpr int FieldCount = 18;

// A date part in two digits, or "**" when out of its range.
QString datePart(int value, int lowest, int highest) {
    if (value < lowest || value > highest)
        return QStringLiteral("**");
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString byteOrderText(int code) {
    switch (code) {
    case 0:
        return QStringLiteral("Мл. адрес - ст. байт");
    case 1:
        return QStringLiteral("Мл. адрес - мл. байт");
    default:
        return QStringLiteral(" ? ");
    }
}

} // namespace

QStringList identificationLines(QByteArrayView table0) {
    if (table0.size() < FieldCount)
        return {};
    const auto at = [&](int offset) { return static_cast<std::uint8_t>(table0[offset]); };
    const QString date =
        QStringLiteral("%1.%2.%3  %4:%5:%6")
            .arg(datePart(at(Day), 1, 31), datePart(at(Month), 1, 12), datePart(at(Year), 0, 99),
                 datePart(at(Hour), 0, 23), datePart(at(Minute), 0, 59), datePart(at(Second), 0, 59));
    const QString destroyed = at(DestroyedTable) == 0
                                  ? QStringLiteral("Разрушенных таблиц нет")
                                  : QStringLiteral("Разрушена таблица %1").arg(at(DestroyedTable));
    const QString address = at(FixedAddress) == 0 ? QStringLiteral("Есть")
                                                  : QStringLiteral("Нет. Адрес = %1").arg(at(FixedAddress));
    return {
        QStringLiteral("Код типа контроллера: %1").arg(at(TypeCode)),
        QStringLiteral("Версия аппаратного обеспечения: %1").arg(at(HardwareVersion)),
        QStringLiteral("Версия программного обеспечения: %1").arg(at(SoftwareVersion)),
        QStringLiteral("Дата создания ПО: %1").arg(date),
        QStringLiteral("Порядок расположения байтов: %1").arg(byteOrderText(at(ByteOrder))),
        QStringLiteral("Наличие разрушенных таблиц: %1").arg(destroyed),
        QStringLiteral("Возможность работы на разных скоростях обмена: %1")
            .arg(at(SeveralBitRates) != 0 ? QStringLiteral("Есть") : QStringLiteral("Нет")),
        QStringLiteral("Возможность изменения адреса: %1").arg(address),
        QStringLiteral("Последняя поддерживаемая версия протокола обмена: %1.%2.%3")
            .arg(at(ProtocolVersion))
            .arg(at(ProtocolVersion + 1))
            .arg(at(ProtocolVersion + 2)),
    };
}
