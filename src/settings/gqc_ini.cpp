#include "settings/gqc_ini.h"

#include "settings/ini_key.h"

#include <QStringList>

namespace {

const QString currentSection = QStringLiteral("CURR_PAR");
const QString directSection = QStringLiteral("DIR_CONN_PAR");
const QString phoneSection = QStringLiteral("FON_CONN_PAR");
const QString ethernetSection = QStringLiteral("ETHERNET_CONN_PAR");
const QString comPortSection = QStringLiteral("COM_PORTS");

constexpr std::int64_t byteMax = 255;
constexpr std::int64_t intMax = std::numeric_limits<std::int32_t>::max();
constexpr int highestComPort = 255;

constexpr IniKey<CurrentSettings> currentKeys[] = {
    {"Conn_Prz", &CurrentSettings::linkKind, 0, 2},
    {"Free_Port_Wait", &CurrentSettings::portOpenWaitS, 0, intMax},
    {"Do_Close_Port", &CurrentSettings::openPortPerRequest},
    {"Form_Width", &CurrentSettings::windowWidth, 0, intMax},
    {"Form_Height", &CurrentSettings::windowHeight, 0, intMax},
    {"Form_Left", &CurrentSettings::windowLeft},
    {"Form_Top", &CurrentSettings::windowTop},
};

// The serial line of a link record; the Ethernet section has no port or bit rate of its own.
constexpr IniKey<LinkRecord> serialKeys[] = {
    {"COMPort", &LinkRecord::port, 0, byteMax},
    {"Rate", &LinkRecord::bitRate, 1, intMax},
};

// The rest of a link record, alike in the three link sections.
constexpr IniKey<LinkRecord> linkKeys[] = {
    {"Adr", &LinkRecord::address, 0, byteMax},
    {"Preambles", &LinkRecord::preambles, 0, byteMax},
    {"Repeat", &LinkRecord::attempts, 0, byteMax},
    {"TimeOut", &LinkRecord::interByteMs, 0, intMax},
    {"WaitTime", &LinkRecord::answerTimeoutS, 0, MaxAnswerTimeoutS},
};

constexpr IniKey<PhoneSettings> phoneKeys[] = {
    {"Default_Command", &PhoneSettings::useDefaultCommand},       {"Command", &PhoneSettings::command},
    {"ConnectWaitTime", &PhoneSettings::connectWaitS, 0, intMax}, {"AutoRepeat", &PhoneSettings::autoRepeat},
    {"Conn_Repeat", &PhoneSettings::dialAttempts, 0, intMax},
};

constexpr IniKey<EthernetSettings> ethernetKeys[] = {
    {"ConnectWaitTime", &EthernetSettings::connectWaitS, 0, intMax},
    {"Conn_Repeat", &EthernetSettings::connectAttempts, 0, intMax},
    {"Send_Pause_ms", &EthernetSettings::sendPauseMs, 0, MaxSendPauseMs},
};

static_assert(rangesFitMembers(currentKeys) && rangesFitMembers(serialKeys) && rangesFitMembers(linkKeys) &&
              rangesFitMembers(phoneKeys) && rangesFitMembers(ethernetKeys));

// Every table of gqc.ini on the record it describes, section by section in the
// order the keys are written. `walk` gets that record of each settings passed:
// reading passes the settings and their defaults, the change check the settings
// and their saved copy.
template <typename Walk, typename... AnySettings> void forEachTable(Walk&& walk, AnySettings&... settings)
{
    walk(currentSection, currentKeys, settings.current...);
    walk(directSection, serialKeys, settings.direct...);
    walk(directSection, linkKeys, settings.direct...);
    walk(phoneSection, serialKeys, settings.phone.link...);
    walk(phoneSection, linkKeys, settings.phone.link...);
    walk(phoneSection, phoneKeys, settings.phone...);
    walk(ethernetSection, linkKeys, settings.ethernet.link...);
    walk(ethernetSection, ethernetKeys, settings.ethernet...);
}

Settings readTables(const IniFile& ini, const Settings& defaults)
{
    Settings settings;
    forEachTable([&ini](const QString& section, const auto& keys, auto& record,
                        const auto& fallback) { readKeys(ini, section, keys, record, fallback); },
                 settings, defaults);
    return settings;
}

QMap<int, QString> readComPorts(const IniFile& ini)
{
    QMap<int, QString> devices;
    for (int number = 1; number <= highestComPort; ++number) {
        const QString device = ini.readString(comPortSection, QStringLiteral("COM%1").arg(number), {});
        if (!device.isEmpty())
            devices.insert(number, device);
    }
    return devices;
}

void writeComPorts(IniFile& ini, const QMap<int, QString>& devices)
{
    for (auto device = devices.cbegin(); device != devices.cend(); ++device)
        ini.writeString(comPortSection, QStringLiteral("COM%1").arg(device.key()), device.value());
}

} // namespace

Settings readGqcIni(const IniFile& ini, QSize screen)
{
    // A window the file does not place is centred on the screen at the size the
    // file gives, so the size is known before the place is read.
    Settings defaults;
    const Settings sized = readTables(ini, defaults);
    defaults.current.windowLeft = (screen.width() - sized.current.windowWidth) / 2;
    defaults.current.windowTop = (screen.height() - sized.current.windowHeight) / 2;
    Settings settings = readTables(ini, defaults);
    settings.comPorts = readComPorts(ini);
    return settings;
}

void writeGqcIni(IniFile& ini, const Settings& settings, const Settings& saved)
{
    // A section is written whole when any of its records changed.
    QStringList changed;
    forEachTable(
        [&changed](const QString& section, const auto&, const auto& now, const auto& before) {
            if (now != before && !changed.contains(section))
                changed.append(section);
        },
        settings, saved);
    forEachTable(
        [&ini, &changed](const QString& section, const auto& keys, const auto& record) {
            if (changed.contains(section))
                writeKeys(ini, section, keys, record);
        },
        settings);
    if (settings.comPorts != saved.comPorts)
        writeComPorts(ini, settings.comPorts);
}
