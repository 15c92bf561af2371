// An ini file as a station may hold it: any bytes, any line ends, section and
// key names in any case, repeated, unterminated or empty. Input: the file.
// Reads the program's keys with and without ranges, writes one back, and checks
// that a save-then-load round trip reads the same and saves the same bytes again.
#include "base/ini_file.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

struct Probe {
    QString section;
    QString key;
};

// Keys of each of the program's ini files, and one that none of them has.
const std::array<Probe, 8> probes{{
    {QStringLiteral("CURR_PAR"), QStringLiteral("Conn_Prz")},
    {QStringLiteral("DIR_CONN_PAR"), QStringLiteral("Rate")},
    {QStringLiteral("FON_CONN_PAR"), QStringLiteral("Command")},
    {QStringLiteral("FON_CONN_PAR"), QStringLiteral("users_num")},
    {QStringLiteral("FON_ABONENT_1"), QStringLiteral("user_name")},
    {QStringLiteral("ETHERNET_ABONENT_2"), QStringLiteral("ip_adr")},
    {QStringLiteral("COM_PORTS"), QStringLiteral("COM1")},
    {QStringLiteral("FUZZ_SECTION"), QStringLiteral("Fuzz_Key")},
}};

// Outside every range below, so that a fallback is told from a value read.
constexpr std::int64_t Fallback = -9'999'999'999;

void checkReads(const IniFile& ini, const Probe& probe)
{
    const std::optional<QString> text = ini.value(probe.section, probe.key);
    fuzzCheck(ini.readString(probe.section, probe.key, QStringLiteral("-")) == text.value_or(QStringLiteral("-")),
              "a string reads as the value, or the fallback when the key is missing");
    const std::int64_t byte = ini.readInteger(probe.section, probe.key, Fallback, 0, 255);
    fuzzCheck(byte == Fallback || (byte >= 0 && byte <= 255), "an integer read with a range lies in it");
    const std::int64_t number = ini.readInteger(probe.section, probe.key, Fallback);
    fuzzCheck(number == Fallback || (number >= std::numeric_limits<std::int32_t>::min() &&
                                     number <= std::numeric_limits<std::int32_t>::max()),
              "an integer read without a range is a 32-bit number");
    fuzzCheck(text || number == Fallback, "a missing key reads as the fallback");
    ini.readBool(probe.section, probe.key, true);
}

bool sameValues(const IniFile& one, const IniFile& other)
{
    return std::all_of(probes.begin(), probes.end(), [&](const Probe& probe) {
        return one.value(probe.section, probe.key) == other.value(probe.section, probe.key);
    });
}

// Saved, loaded and saved again: the values read alike and the second save
// writes the bytes of the first.
void checkRoundTrip(const IniFile& ini)
{
    const QString first = scratchPath(QStringLiteral("first.ini"));
    fuzzCheck(!ini.save(first).failed(), "an ini file can be saved");
    const IniFile reloaded = IniFile::load(first);
    fuzzCheck(sameValues(ini, reloaded), "a saved file reads back as it was");
    const QString second = scratchPath(QStringLiteral("second.ini"));
    fuzzCheck(!reloaded.save(second).failed(), "a reloaded ini file can be saved");
    fuzzCheck(readWholeFile(first) == readWholeFile(second), "saving what was loaded from a save changes no byte");
}

// One key written: it reads as written, before and after a save, and no other key changes.
void checkWrite(const IniFile& ini, std::size_t choice)
{
    const Probe& written = probes[choice % probes.size()];
    const QString text = QStringLiteral("written value");
    IniFile changed = ini;
    changed.writeString(written.section, written.key, text);
    changed.writeInteger(probes.back().section, QStringLiteral("Number"), -123456);
    fuzzCheck(changed.value(written.section, written.key) == text, "a key reads as it was written");
    fuzzCheck(changed.readInteger(probes.back().section, QStringLiteral("Number"), 0) == -123456,
              "a number reads as it was written");
    for (const Probe& probe : probes) {
        if (&probe != &written)
            fuzzCheck(changed.value(probe.section, probe.key) == ini.value(probe.section, probe.key),
                      "writing a key changes no other key");
    }
    checkRoundTrip(changed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path =
        writeScratchFile(QStringLiteral("input.ini"), QByteArrayView(reinterpret_cast<const char*>(data), size));
    const IniFile ini = IniFile::load(path);
    for (const Probe& probe : probes)
        checkReads(ini, probe);
    checkRoundTrip(ini);
    checkWrite(ini, size);
    return 0;
}
