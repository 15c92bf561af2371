// A subscriber list as a station may hold it. Input: the file, read both as the
// telephone list and as the Ethernet list. Counts and lengths stay within the
// list's room, and a list saved into the same file (as the list dialog does)
// loads again as it was read, its texts as an ini line gives them back.
#include "settings/settings_block.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"
#include "support/ini_round_trip.h"

namespace {

constexpr std::int32_t HighestTcpPort = 65535;

void checkRanges(const PhoneList& list)
{
    fuzzCheck(list.count <= PhoneList::capacity, "a telephone list holds at most 200 entries");
    for (const PhoneSubscriber& entry : list.entries)
        fuzzCheck(entry.name.size() <= PhoneSubscriber::maxNameLength &&
                      entry.phone.size() <= PhoneSubscriber::maxPhoneLength,
                  "a telephone subscriber's name and number fit their fields");
}

void checkRanges(const EthernetList& list)
{
    fuzzCheck(list.count <= EthernetList::capacity, "an Ethernet list holds at most 200 entries");
    for (int i = 0; i < EthernetList::capacity; ++i) {
        const EthernetSubscriber& entry = list.entries[i];
        if (i >= list.count) {
            fuzzCheck(entry == EthernetSubscriber{}, "entries past the count are not read");
            continue;
        }
        fuzzCheck(entry.name.size() <= EthernetSubscriber::maxNameLength, "an Ethernet subscriber's name fits");
        fuzzCheck(entry.port >= 0 && entry.port <= HighestTcpPort, "a TCP port is 0 to 65535");
    }
}

template <typename Entry> SubscriberList<Entry> readBackNames(SubscriberList<Entry> list)
{
    for (Entry& entry : list.entries)
        entry.name = readBackFromIni(entry.name);
    return list;
}

PhoneList readBack(PhoneList list)
{
    for (PhoneSubscriber& entry : list.entries)
        entry.phone = readBackFromIni(entry.phone);
    return readBackNames(list);
}

EthernetList readBack(const EthernetList& list)
{
    return readBackNames(list);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), size);
    const QString phonePath = writeScratchFile(QStringLiteral("fon_abonents.ini"), bytes);
    const QString ethernetPath = writeScratchFile(QStringLiteral("ethr_abonents.ini"), bytes);
    SettingsBlock loaded;
    loaded.loadPhoneList(phonePath);
    loaded.loadEthernetList(ethernetPath);
    checkRanges(loaded.phoneList);
    checkRanges(loaded.ethernetList);

    SettingsBlock changed;
    changed.phoneList = loaded.phoneList;
    changed.ethernetList = loaded.ethernetList;
    fuzzCheck(!changed.savePhoneList(phonePath).failed(), "the telephone list can be saved");
    fuzzCheck(!changed.saveEthernetList(ethernetPath).failed(), "the Ethernet list can be saved");
    SettingsBlock reloaded;
    reloaded.loadPhoneList(phonePath);
    reloaded.loadEthernetList(ethernetPath);
    fuzzCheck(reloaded.phoneList == readBack(loaded.phoneList), "a saved telephone list loads again as it was");
    fuzzCheck(reloaded.ethernetList == readBack(loaded.ethernetList), "a saved Ethernet list loads again as it was");
    return 0;
}
