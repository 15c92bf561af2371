#pragma once

#include "settings/link_record.h"

#include <QMap>
#include <QString>
#include <array>
#include <cstdint>

// Section "CURR_PAR" of gqc.ini.
struct CurrentSettings {
    LinkKind linkKind = LinkKind::Direct;
    std::int32_t portOpenWaitS = 1;  // how long a busy port is retried
    bool openPortPerRequest = false; // direct line only: open and close around every request
    std::int32_t windowHeight = 680;
    std::int32_t windowWidth = 1000;
    std::int32_t windowLeft = 0; // centred on the screen when the file has no value
    std::int32_t windowTop = 0;

    bool operator==(const CurrentSettings&) const = default;
};

// Section "FON_CONN_PAR" of gqc.ini: the modem's port and the dialling items.
struct PhoneSettings {
    LinkRecord link{1, 1, 38400, 5, 1, 100, 6};
    bool useDefaultCommand = false; // the modem's default initialisation instead of `command`
    QString command;                // modem initialisation command
    std::int32_t connectWaitS = 50; // wait for the modem connection
    bool autoRepeat = false;        // repeat dialling automatically
    std::int32_t dialAttempts = 1;

    bool operator==(const PhoneSettings&) const = default;
};

// Section "ETHERNET_CONN_PAR" of gqc.ini.
struct EthernetSettings {
    LinkRecord link{1, 1, 38400, 5, 1, 300, 5};
    std::int32_t connectWaitS = 10; // TCP connect time-out
    std::int32_t connectAttempts = 1;
    // Wait before each request: serial-to-Ethernet converters that need a gap
    // between frames get it; a controller's own Ethernet port needs none.
    std::int32_t sendPauseMs = DefaultSendPauseMs;

    bool operator==(const EthernetSettings&) const = default;
};

// Everything gqc.ini holds.
struct Settings {
    CurrentSettings current;
    LinkRecord direct;
    PhoneSettings phone;
    EthernetSettings ethernet;
    // Section "COM_PORTS": the device of a port number on this machine
    // (COM7=/dev/ttyUSB0); a device path chosen as a port is added here.
    QMap<int, QString> comPorts;

    bool operator==(const Settings&) const = default;

    // The link record of the link kind in use.
    const LinkRecord& currentLink() const;
    LinkRecord& currentLink();
};

struct PhoneSubscriber {
    static constexpr int maxNameLength = 49;
    static constexpr int maxPhoneLength = 29;

    QString name;
    std::uint8_t controllerAddress = 1;
    std::uint8_t secondAddress = 1; // kept with the entry, not used to connect
    QString phone;                  // the number to dial

    bool operator==(const PhoneSubscriber&) const = default;
};

struct EthernetSubscriber {
    static constexpr int maxNameLength = 48;

    QString name;
    std::uint8_t controllerAddress = 1;
    std::uint32_t ipAddress = 0; // first octet in the most significant byte
    std::int32_t port = 0;

    bool operator==(const EthernetSubscriber&) const = default;
};

// A subscriber list: room for 200 entries, of which `count` are in use.
template <typename Entry> struct SubscriberList {
    static constexpr int capacity = 200;

    std::uint8_t count = 0;
    std::uint8_t selected = 0;  // 0-based index of the chosen entry
    std::uint8_t sortOrder = 0; // sort order of the list dialog
    std::array<Entry, capacity> entries{};

    bool operator==(const SubscriberList&) const = default;
};

// "a.b.c.d", first octet first.
QString dottedAddress(std::uint32_t ipAddress);

using PhoneList = SubscriberList<PhoneSubscriber>;
using EthernetList = SubscriberList<EthernetSubscriber>;
