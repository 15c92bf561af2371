#pragma once

#include <QMap>
#include <QString>
#include <optional>

// A serial port keeps its number "COM n" everywhere the operator sees it; this
// maps the number to the device that is opened. On Windows that is "\\.\COMn";
// elsewhere COM1-32 are /dev/ttyS0-31, COM33-64 /dev/ttyUSB0-31 and COM65-96
// /dev/ttyACM0-31, unless the station's settings map a number to a device of
// its own ([COM_PORTS] COM7=/dev/ttyUSB0).
class ComPortNames {
public:
    // A port the operator names: its number, 0 for a device with none, and the device to open.
    struct Port {
        int number = 0;
        QString device;
    };

    explicit ComPortNames(QMap<int, QString> overrides = {});

    // The device of port n; empty when n has none.
    QString devicePath(int number) const;
    // The number of a device, when the mapping gives it one.
    std::optional<int> numberOf(const QString& device) const;
    // "COMn" (any letter case, n from 1 to 255) or a device path; nothing for other text.
    std::optional<Port> parse(const QString& text) const;

    // The number of the port the operator typed; a device path that no number
    // reaches gets the first free number the default mapping leaves unused, and
    // that mapping is added to `overrides`. Nothing for text that is neither,
    // or when no number is free.
    static std::optional<int> chooseNumber(const QString& text, QMap<int, QString>& overrides);

private:
    QMap<int, QString> overrides_;
};
