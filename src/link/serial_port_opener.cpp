#include "link/serial_port_opener.h"

#include "link/serial_transport.h"

hgcbox::PortOpener serialPortOpener(ComPortNames names)
{
    return [names = std::move(names)](int comPort, int bitRate) -> std::unique_ptr<Transport> {
        const QString device = names.devicePath(comPort);
        if (device.isEmpty())
            return nullptr;
        SerialLineSettings settings;
        settings.bitRate = bitRate;
        return SerialTransport::open(device, settings);
    };
}

bool portExists(int number, const ComPortNames& names)
{
    const QString device = names.devicePath(number);
    if (device.isEmpty())
        return false;
    QSerialPort::SerialPortError error = QSerialPort::NoError;
    if (SerialTransport::open(device, SerialLineSettings{}, &error))
        return true;
    // Held by another program: the port is there all the same.
    return error == QSerialPort::PermissionError;
}
