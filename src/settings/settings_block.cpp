#include "settings/settings_block.h"

#include "base/ini_file.h"
#include "settings/gqc_ini.h"

#include <algorithm>
#include <limits>

namespace {

const QString phoneSection = QStringLiteral("FON_CONN_PAR");
const QString ethernetSection = QStringLiteral("ETHERNET_CONN_PAR");
const QString phoneEntrySection = QStringLiteral("FON_ABONENT_%1");
const QString ethernetEntrySection = QStringLiteral("ETHERNET_ABONENT_%1");

constexpr std::int64_t byteMax = 255;

std::uint8_t readByte(const IniFile& ini, const QString& section, const QString& key, std::uint8_t fallback)
{
    return static_cast<std::uint8_t>(ini.readInteger(section, key, fallback, 0, byteMax));
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

// Rewrites the file at `path` through `write` when `now` differs from what was
// last saved; `saved` follows only when the file was written.
template <typename Value, typename Write>
SaveResult saveWhenChanged(const QString& path, const Value& now, Value& saved, Write&& write)
{
    if (now == saved)
        return {SaveStatus::Unchanged, path, {}};
    IniFile ini = IniFile::load(path);
    write(ini);
    const SaveResult result = ini.save(path);
    if (!result.failed())
        saved = now;
    return result;
}

} // namespace

void SettingsBlock::loadSettings(const QString& path, QSize screen)
{
    gqcIni = readGqcIni(IniFile::load(path), screen);
    savedSettings_ = gqcIni;
}

SaveResult SettingsBlock::saveSettings(const QString& path)
{
    return saveWhenChanged(path, gqcIni, savedSettings_,
                           [this](IniFile& ini) { writeGqcIni(ini, gqcIni, savedSettings_); });
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

SaveResult SettingsBlock::savePhoneList(const QString& path)
{
    return saveWhenChanged(path, phoneList, savedPhoneList_, [this](IniFile& ini) {
        writeListHeader(ini, phoneSection, phoneList);
        for (int i = 0; i < PhoneList::capacity; ++i) {
            const QString section = phoneEntrySection.arg(i + 1);
            const PhoneSubscriber& entry = phoneList.entries[i];
            ini.writeString(section, QStringLiteral("user_name"), entry.name.left(PhoneSubscriber::maxNameLength));
            ini.writeInteger(section, QStringLiteral("contr_adr"), entry.controllerAddress);
            ini.writeInteger(section, QStringLiteral("adr_modbus"), entry.secondAddress);
            ini.writeString(section, QStringLiteral("phone_code"), entry.phone.left(PhoneSubscriber::maxPhoneLength));
        }
    });
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

SaveResult SettingsBlock::saveEthernetList(const QString& path)
{
    return saveWhenChanged(path, ethernetList, savedEthernetList_, [this](IniFile& ini) {
        writeListHeader(ini, ethernetSection, ethernetList);
        for (int i = 0; i < ethernetList.count; ++i) {
            const QString section = ethernetEntrySection.arg(i + 1);
            const EthernetSubscriber& entry = ethernetList.entries[i];
            ini.writeString(section, QStringLiteral("user_name"), entry.name.left(EthernetSubscriber::maxNameLength));
            ini.writeInteger(section, QStringLiteral("contr_adr"), entry.controllerAddress);
            ini.writeInteger(section, QStringLiteral("ip_adr"), static_cast<std::int32_t>(entry.ipAddress));
            ini.writeInteger(section, QStringLiteral("port"), entry.port);
        }
    });
}
