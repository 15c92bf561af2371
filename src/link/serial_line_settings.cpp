#include "link/serial_line_settings.h"

#include <algorithm>

namespace {

constexpr int MinBitRate = 110;
constexpr int MaxBitRate = 256000;
constexpr int MinDataBits = 4;
constexpr int MaxDataBits = 8;

} // namespace

int clampBitRate(int bitsPerSecond)
{
    return std::clamp(bitsPerSecond, MinBitRate, MaxBitRate);
}

int clampDataBits(int dataBits)
{
    return std::clamp(dataBits, MinDataBits, MaxDataBits);
}

QSerialPort::Parity parityOf(int parityCode)
{
    switch (parityCode) {
    case 1:
        return QSerialPort::EvenParity;
    case 2:
        return QSerialPort::OddParity;
    default:
        return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits stopBitsOf(int stopBitsCode)
{
    switch (stopBitsCode) {
    case 1:
        return QSerialPort::OneAndHalfStop;
    case 2:
        return QSerialPort::TwoStop;
    default:
        return QSerialPort::OneStop;
    }
}
