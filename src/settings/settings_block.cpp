#include "settings/settings_block.h"

#include "base/ini_file.h"

#include <algorithm>
#include <limits>

namespace {

const QString currentSection = QStringLiteral("CURR_PAR");
const QString directSection = QStringLiteral("DIR_CONN_PAR");
const QString phoneSection = QStringLiteral("FON_CONN_PAR");
const QString ethernetSection = QStringLiteral("ETHERNET_CONN_PAR");
const QString comPortSection = QStringLiteral("COM_PORTS");
const QString phoneEntrySection = QStringLiteral("FON_ABONENT_%1");
const QString ethernetEntrySection = QStringLiteral("ETHERNET_ABONENT_%1");

constexpr std::int64_t byteMax = 255;
constexpr int highestComPort = 255;
constexpr std::int64_t intMax = std::numeric_limits<std::int32_t>::max();

std::uint8_t readByte(const IniFile& ini, const QString& section, const QString& key, std::uint8_t fallback)
{
    return static_cast<std::uint8_t>(ini.readInteger(section, key, fallback, 0, byteMax));
}

std::int32_t readNonNegative(const IniFile& ini, const QString& section, const QString& key, std::int32_t fallback)
{
    return static_cast<std::int32_t>(ini.readInteger(section, key, fallback, 0, intMax));
}

// The Ethernet section has no port or bit rate of its own.
enum class LinkKeys { Serial, Network };

LinkRecord readLink(const IniFile& ini, const QString& section, const LinkRecord& defaults, LinkKeys keys)
{
    LinkRecord link = defaults;
    if (keys == LinkKeys::Serial) {
        link.port = readByte(ini, section, QStringLiteral("COMPort"), defaults.port);
        link.bitRate =
            static_cast<std::int32_t>(ini.readInteger(section, QStringLiteral("Rate"), defaults.bitRate, 1, intMax));
    }
    link.address = readByte(ini, section, QStringLiteral("Adr"), defaults.address);
    link.preambles = readByte(ini, section, QStringLiteral("Preambles"), defaults.preambles);
    link.attempts = readByte(ini, section, QStringLiteral("Repeat"), defaults.attempts);
    link.interByteMs = readNonNegative(ini, section, QStringLiteral("TimeOut"), defaults.interByteMs);
    link.answerTimeoutS = readNonNegative(ini, section, QStringLiteral("WaitTime"), defaults.answerTimeoutS);
    return link;
}

void writeLink(IniFile& ini, const QString& section, const LinkRecord& link, LinkKeys keys)
{
    if (keys == LinkKeys::Serial) {
        ini.writeInteger(section, QStringLiteral("COMPort"), link.port);
        ini.writeInteger(section, QStringLiteral("Rate"), link.bitRate);
    }
    ini.writeInteger(section, QStringLiteral("Adr"), link.address);
    ini.writeInteger(section, QStringLiteral("Preambles"), link.preambles);
    ini.writeInteger(section, QStringLiteral("Repeat"), link.attempts);
    ini.writeInteger(section, QStringLiteral("TimeOut"), link.interByteMs);
    ini.writeInteger(section, QStringLiteral("WaitTime"), link.answerTimeoutS);
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

CurrentSettings readCurrent(const IniFile& ini, QSize screen)
{
    const CurrentSettings defaults;
    CurrentSettings current;
    const auto kind = ini.readInteger(currentSection, QStringLiteral("Conn_Prz"), 0, 0, 2);
    current.linkKind = static_cast<LinkKind>(kind);
    current.portOpenWaitS =
        readNonNegative(ini, currentSection, QStringLiteral("Free_Port_Wait"), defaults.portOpenWaitS);
    current.openPortPerRequest = ini.readBool(currentSection, QStringLiteral("Do_Close_Port"), false);
    current.windowWidth = readNonNegative(ini, currentSection, QStringLiteral("Form_Width"), defaults.windowWidth);
    current.windowHeight = readNonNegative(ini, currentSection, QStringLiteral("Form_Height"), defaults.windowHeight);
    current.windowLeft = static_cast<std::int32_t>(
        ini.readInteger(currentSection, QStringLiteral("Form_Left"), (screen.width() - current.windowWidth) / 2));
    current.windowTop = static_cast<std::int32_t>(
        ini.readInteger(currentSection, QStringLiteral("Form_Top"), (screen.height() - current.windowHeight) / 2));
    return current;
}

void writeCurrent(IniFile& ini, const CurrentSettings& current)
{
    ini.writeInteger(currentSection, QStringLiteral("Conn_Prz"), static_cast<int>(current.linkKind));
    ini.writeInteger(currentSection, QStringLiteral("Free_Port_Wait"), current.portOpenWaitS);
    ini.writeBool(currentSection, QStringLiteral("Do_Close_Port"), current.openPortPerRequest);
    ini.writeInteger(currentSection, QStringLiteral("Form_Width"), current.windowWidth);
    ini.writeInteger(currentSection, QStringLiteral("Form_Height"), current.windowHeight);
    ini.writeInteger(currentSection, QStringLiteral("Form_Left"), current.windowLeft);
    ini.writeInteger(currentSection, QStringLiteral("Form_Top"), current.windowTop);
}

PhoneSettings readPhone(const IniFile& ini)
{
    const PhoneSettings defaults;
    PhoneSettings phone;
    phone.link = readLink(ini, phoneSection, defaults.link, LinkKeys::Serial);
    phone.useDefaultCommand = ini.readBool(phoneSection, QStringLiteral("Default_Command"), false);
    phone.command = ini.readString(phoneSection, QStringLiteral("Command"), QString());
    phone.connectWaitS = readNonNegative(ini, phoneSection, QStringLiteral("ConnectWaitTime"), defaults.connectWaitS);
    phone.autoRepeat = ini.readBool(phoneSection, QStringLiteral("AutoRepeat"), false);
    phone.dialAttempts = readNonNegative(ini, phoneSection, QStringLiteral("Conn_Repeat"), defaults.dialAttempts);
    return phone;
}

void writePhone(IniFile& ini, const PhoneSettings& phone)
{
    writeLink(ini, phoneSection, phone.link, LinkKeys::Serial);
    ini.writeBool(phoneSection, QStringLiteral("Default_Command"), phone.useDefaultCommand);
    ini.writeString(phoneSection, QStringLiteral("Command"), phone.command);
    ini.writeInteger(phoneSection, QStringLiteral("ConnectWaitTime"), phone.connectWaitS);
    ini.writeBool(phoneSection, QStringLiteral("AutoRepeat"), phone.autoRepeat);
    ini.writeInteger(phoneSection, QStringLiteral("Conn_Repeat"), phone.dialAttempts);
}

EthernetSettings readEthernet(const IniFile& ini)
{
    const EthernetSettings defaults;
    EthernetSettings ethernet;
    ethernet.link = readLink(ini, ethernetSection, defaults.link, LinkKeys::Network);
    ethernet.connectWaitS =
        readNonNegative(ini, ethernetSection, QStringLiteral("ConnectWaitTime"), defaults.connectWaitS);
    ethernet.connectAttempts =
        readNonNegative(ini, ethernetSection, QStringLiteral("Conn_Repeat"), defaults.connectAttempts);
    return ethernet;
}

void writeEthernet(IniFile& ini, const EthernetSettings& ethernet)
{
    writeLink(ini, ethernetSection, ethernet.link, LinkKeys::Network);
    ini.writeInteger(ethernetSection, QStringLiteral("ConnectWaitTime"), ethernet.connectWaitS);
    ini.writeInteger(ethernetSection, QStringLiteral("Conn_Repeat"), ethernet.connectAttempts);
}

// The header keys shared by both list files.
template <typename Entry> void readListHeader(const IniFile& ini, const QString& section, SubscriberList<Entry>& list)
{
    const auto count = ini.readInteger(section, QStringLiteral("users_num"), 0);
    list.count = static_cast<std::uint8_t>(std::clamp<std::int64_t>(count, 0, SubscriberList<Entry>::capacity));
    list.selected = readByte(ini, section, QStringLiteral("user_index"), 0);
    list.sortOrder = readByte(ini, section, QStringLiteral("sort_prz"), 0);
}

template <typename Entry> void writeListHeader(IniFile& ini, const QString& section, const SubscriberList<Entry>& list)
{
    ini.writeInteger(section, QStringLiteral("users_num"), list.count);
    ini.writeInteger(section, QStringLiteral("user_index"), list.selected);
    ini.writeInteger(section, QStringLiteral("sort_prz"), list.sortOrder);
}

} // namespace

void SettingsBlock::loadSettings(const QString& path, QSize screen)
{
    const IniFile ini = IniFile::load(path);
    gqcIni.current = readCurrent(ini, screen);
    gqcIni.direct = readLink(ini, directSection, LinkRecord{}, LinkKeys::Serial);
    gqcIni.phone = readPhone(ini);
    gqcIni.ethernet = readEthernet(ini);
    gqcIni.comPorts = readComPorts(ini);
    savedSettings_ = gqcIni;
}

bool SettingsBlock::saveSettings(const QString& path)
{
    if (gqcIni == savedSettings_)
        return false;
    IniFile ini = IniFile::load(path);
    if (!(gqcIni.current == savedSettings_.current))
        writeCurrent(ini, gqcIni.current);
    if (!(gqcIni.direct == savedSettings_.direct))
        writeLink(ini, directSection, gqcIni.direct, LinkKeys::Serial);
    if (!(gqcIni.phone == savedSettings_.phone))
        writePhone(ini, gqcIni.phone);
    if (!(gqcIni.ethernet == savedSettings_.ethernet))
        writeEthernet(ini, gqcIni.ethernet);
    if (gqcIni.comPorts != savedSettings_.comPorts)
        writeComPorts(ini, gqcIni.comPorts);
    if (!ini.save(path))
        return false;
    savedSettings_ = gqcIni;
    return true;
}

void SettingsBlock::loadPhoneList(const QString& path)
{
    const IniFile ini = IniFile::load(path);
    phoneList = PhoneList{};
    readListHeader(ini, phoneSection, phoneList);
    // All 200 entries are kept whatever "users_num" says.
    for (int i = 0; i < PhoneList::capacity; ++i) {
        const QString section = phoneEntrySection.arg(i + 1);
        PhoneSubscriber& entry = phoneList.entries[i];
        entry.name = ini.readString(section, QStringLiteral("user_name"), {}).left(PhoneSubscriber::maxNameLength);
        entry.controllerAddress = readByte(ini, section, QStringLiteral("contr_adr"), 1);
        entry.secondAddress = readByte(ini, section, QStringLiteral("adr_modbus"), 1);
        entry.phone = ini.readString(section, QStringLiteral("phone_code"), {}).left(PhoneSubscriber::maxPhoneLength);
    }
    savedPhoneList_ = phoneList;
}

bool SettingsBlock::savePhoneList(const QString& path)
{
    if (phoneList == savedPhoneList_)
        return false;
    IniFile ini = IniFile::load(path);
    writeListHeader(ini, phoneSection, phoneList);
    for (int i = 0; i < PhoneList::capacity; ++i) {
        const QString section = phoneEntrySection.arg(i + 1);
        const PhoneSubscriber& entry = phoneList.entries[i];
        ini.writeString(section, QStringLiteral("user_name"), entry.name.left(PhoneSubscriber::maxNameLength));
        ini.writeInteger(section, QStringLiteral("contr_adr"), entry.controllerAddress);
        ini.writeInteger(section, QStringLiteral("adr_modbus"), entry.secondAddress);
        ini.writeString(section, QStringLiteral("phone_code"), entry.phone.left(PhoneSubscriber::maxPhoneLength));
    }
    if (!ini.save(path))
        return false;
    savedPhoneList_ = phoneList;
    return true;
}

void SettingsBlock::loadEthernetList(const QString& path)
{
    const IniFile ini = IniFile::load(path);
    ethernetList = EthernetList{};
    readListHeader(ini, ethernetSection, ethernetList);
    for (int i = 0; i < ethernetList.count; ++i) {
        const QString section = ethernetEntrySection.arg(i + 1);
        EthernetSubscriber& entry = ethernetList.entries[i];
        entry.name = ini.readString(section, QStringLiteral("user_name"), {}).left(EthernetSubscriber::maxNameLength);
        entry.controllerAddress = readByte(ini, section, QStringLiteral("contr_adr"), 1);
        // Stored as a signed 32-bit number; addresses from 128.0.0.0 on are negative there.
        entry.ipAddress = static_cast<std::uint32_t>(ini.readInteger(section, QStringLiteral("ip_adr"), 0,
                                                                     std::numeric_limits<std::int32_t>::min(),
                                                                     std::numeric_limits<std::uint32_t>::max()));
        entry.port = static_cast<std::int32_t>(ini.readInteger(section, QStringLiteral("port"), 0, 0, 65535));
    }
    savedEthernetList_ = ethernetList;
}

bool SettingsBlock::saveEthernetList(const QString& path)
{
    if (ethernetList == savedEthernetList_)
        return false;
    IniFile ini = IniFile::load(path);
    writeListHeader(ini, ethernetSection, ethernetList);
    for (int i = 0; i < ethernetList.count; ++i) {
        const QString section = ethernetEntrySection.arg(i + 1);
        const EthernetSubscriber& entry = ethernetList.entries[i];
        ini.writeString(section, QStringLiteral("user_name"), entry.name.left(EthernetSubscriber::maxNameLength));
        ini.writeInteger(section, QStringLiteral("contr_adr"), entry.controllerAddress);
        ini.writeInteger(section, QStringLiteral("ip_adr"), static_cast<std::int32_t>(entry.ipAddress));
        ini.writeInteger(section, QStringLiteral("port"), entry.port);
    }
    if (!ini.save(path))
        return false;
    savedEthernetList_ = ethernetList;
    return true;
}
