#pragma once

#include <QSerialPort>

// Line settings of a serial port as the settings and the controller's port
// tables give them, with the ranges the port accepts.
struct SerialLineSettings {
    int bitRate = 1200;
    int dataBits = 8;
    int parityCode = 0;   // 0 none, 1 even, 2 odd; anything else none
    int stopBitsCode = 0; // 0 one, 1 one and a half, 2 two; anything else one
    int inputQueue = 1000;
    int outputQueue = 1000;
    bool dtr = true;
    bool rts = false;
};

// The bit rate actually applied: below 110 becomes 110, above 256000 becomes 256000.
int clampBitRate(int bitsPerSecond);
// Data bits 4 to 8; values outside are clamped.
int clampDataBits(int dataBits);
QSerialPort::Parity parityOf(int parityCode);
QSerialPort::StopBits stopBitsOf(int stopBitsCode);
