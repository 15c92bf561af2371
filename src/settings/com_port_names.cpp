#include "settings/com_port_names.h"

#include <QRegularExpression>
#include <array>

namespace {

constexpr int MaxPortNumber = 255;

struct DeviceRange {
    int firstNumber;
    const char* prefix;
};

// Each range holds 32 ports: COM firstNumber is prefix + "0".
constexpr int RangeSize = 32;
constexpr std::array<DeviceRange, 3> Ranges{{{1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}}};

bool isDevicePath(const QString& text)
{
#ifdef Q_OS_WIN
    return text.startsWith(QStringLiteral("\\\\.\\"));
#else
    return text.startsWith(QLatin1Char('/'));
#endif
}

} // namespace

ComPortNames::ComPortNames(QMap<int, QString> overrides) : overrides_(std::move(overrides)) {}

QString ComPortNames::devicePath(int number) const
{
    if (overrides_.contains(number))
        return overrides_.value(number);
#ifdef Q_OS_WIN
    return number >= 1 && number <= MaxPortNumber ? QStringLiteral("\\\\.\\COM%1").arg(number) : QString();
#else
    for (const DeviceRange& range : Ranges) {
        if (number >= range.firstNumber && number < range.firstNumber + RangeSize)
            return QLatin1String(range.prefix) + QString::number(number - range.firstNumber);
    }
    return {};
#endif
}

std::optional<int> ComPortNames::numberOf(const QString& device) const
{
    for (auto entry = overrides_.cbegin(); entry != overrides_.cend(); ++entry) {
        if (entry.value() == device)
            return entry.key();
    }
    for (int number = 1; number <= MaxPortNumber; ++number) {
        if (!overrides_.contains(number) && devicePath(number) == device)
            return number;
    }
    return std::nullopt;
}

std::optional<int> ComPortNames::chooseNumber(const QString& text, QMap<int, QString>& overrides)
{
    const std::optional<Port> port = ComPortNames(overrides).parse(text.trimmed());
    if (!port)
        return std::nullopt;
    if (port->number != 0)
        return port->number;
    const ComPortNames defaults;
    for (int number = 1; number <= MaxPortNumber; ++number) {
        if (!overrides.contains(number) && defaults.devicePath(number).isEmpty()) {
            overrides.insert(number, port->device);
            return number;
        }
    }
    return std::nullopt;
}

std::optional<ComPortNames::Port> ComPortNames::parse(const QString& text) const
{
    static const QRegularExpression comName(QStringLiteral("^COM([0-9]{1,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(text);
    if (match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number < 1 || number > MaxPortNumber)
            return std::nullopt;
        return Port{number, devicePath(number)};
    }
    if (isDevicePath(text))
        return Port{numberOf(text).value_or(0), text};
    return std::nullopt;
}
