// gqc.ini as a station may hold it. Input: the file. Every value read lies in
// its key's range, and the settings saved into the same file (as the program
// does at close, into a block that has seen only the defaults) load again as
// they were read, their texts as an ini line gives them back.
#include "settings/settings_block.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"
#include "support/ini_round_trip.h"

#include <array>

namespace {

const QSize screen(1280, 1024);
constexpr int HighestComPort = 255;

void checkLinkRecord(const LinkRecord& link)
{
    fuzzCheck(link.bitRate >= 1, "a bit rate is at least 1");
    fuzzCheck(link.interByteMs >= 0 && link.answerTimeoutS >= 0, "time-outs are not negative");
}

void checkRanges(const Settings& settings)
{
    fuzzCheck(settings.current.linkKind == LinkKind::Direct || settings.current.linkKind == LinkKind::Modem ||
                  settings.current.linkKind == LinkKind::Ethernet,
              "the link kind is one of the three");
    fuzzCheck(settings.current.portOpenWaitS >= 0, "the port-open wait is not negative");
    fuzzCheck(settings.current.windowWidth >= 0 && settings.current.windowHeight >= 0,
              "the window size is not negative");
    for (const LinkRecord* link : std::array{&settings.direct, &settings.phone.link, &settings.ethernet.link})
        checkLinkRecord(*link);
    fuzzCheck(settings.phone.connectWaitS >= 0 && settings.phone.dialAttempts >= 0, "dialling counts are not negative");
    fuzzCheck(settings.ethernet.connectWaitS >= 0 && settings.ethernet.connectAttempts >= 0,
              "TCP connect counts are not negative");
    for (auto device = settings.comPorts.cbegin(); device != settings.comPorts.cend(); ++device)
        fuzzCheck(device.key() >= 1 && device.key() <= HighestComPort && !device.value().isEmpty(),
                  "a port device has a port number and a name");
}

// The settings as a save and a load give them back.
Settings readBack(Settings settings)
{
    settings.phone.command = readBackFromIni(settings.phone.command);
    QMap<int, QString> devices;
    for (auto device = settings.comPorts.cbegin(); device != settings.comPorts.cend(); ++device) {
        const QString text = readBackFromIni(device.value());
        if (!text.isEmpty())
            devices.insert(device.key(), text);
    }
    settings.comPorts = devices;
    return settings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path =
        writeScratchFile(QStringLiteral("gqc.ini"), QByteArrayView(reinterpret_cast<const char*>(data), size));
    SettingsBlock loaded;
    loaded.loadSettings(path, screen);
    checkRanges(loaded.gqcIni);

    SettingsBlock changed;
    changed.gqcIni = loaded.gqcIni;
    fuzzCheck(!changed.saveSettings(path).failed(), "the settings can be saved");
    SettingsBlock reloaded;
    reloaded.loadSettings(path, screen);
    fuzzCheck(reloaded.gqcIni == readBack(loaded.gqcIni), "saved settings load again as they were");
    return 0;
}
