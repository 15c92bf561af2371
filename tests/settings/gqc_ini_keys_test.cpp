#include "settings/settings_block.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <QStringEncoder>
#include <limits>

namespace {

constexpr std::int64_t intMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t intMin = std::numeric_limits<std::int32_t>::min();
// The longest answer time-out whose milliseconds still fit 32 bits (2147483000 ms).
constexpr std::int64_t waitMax = 2147483;

const QSize screen(1280, 1024);

// Windows-1251 bytes encoded independently of the program's own table.
QByteArray cp1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

// The settings as loaded from gqc.ini with these bytes.
Settings loaded(const TempWorkdir& dir, const QByteArray& bytes)
{
    dir.write("gqc.ini", bytes);
    SettingsBlock block;
    block.loadSettings(dir.file("gqc.ini"), screen);
    return block.gqcIni;
}

// What a file without a single usable key stands for: the window, 1000 x 680,
// centred on the 1280 x 1024 screen.
Settings defaults()
{
    Settings settings;
    settings.current.windowLeft = 140;
    settings.current.windowTop = 172;
    return settings;
}

// A value other than its default in every key.
Settings everyKeyChanged()
{
    Settings settings;
    settings.current = {LinkKind::Ethernet, 7, true, 700, 1024, 12, -3};
    settings.direct = {4, 17, 9600, 3, 2, 250, 9};
    settings.phone = {{33, 18, 19200, 6, 3, 400, 30}, true, QStringLiteral("ATZ&F Ж"), 90, true, 4};
    settings.ethernet = {{1, 19, 38400, 8, 5, 600, 11}, 25, 6, 0};
    settings.comPorts = {{7, QStringLiteral("/dev/ttyUSB0")}};
    return settings;
}

TEST(GqcIniKeys, EveryKeyIsWrittenInItsSectionInOrderAndReadsBack)
{
    TempWorkdir dir;
    SettingsBlock block;
    block.loadSettings(dir.file("gqc.ini"), screen);
    block.gqcIni = everyKeyChanged();
    ASSERT_EQ(block.saveSettings(dir.file("gqc.ini")).status, SaveStatus::Saved);

    EXPECT_EQ(dir.read("gqc.ini"), "[CURR_PAR]\r\nConn_Prz=2\r\nFree_Port_Wait=7\r\nDo_Close_Port=1\r\n"
                                   "Form_Width=1024\r\nForm_Height=700\r\nForm_Left=12\r\nForm_Top=-3\r\n\r\n"
                                   "[DIR_CONN_PAR]\r\nCOMPort=4\r\nRate=9600\r\nAdr=17\r\nPreambles=3\r\n"
                                   "Repeat=2\r\nTimeOut=250\r\nWaitTime=9\r\n\r\n"
                                   "[FON_CONN_PAR]\r\nCOMPort=33\r\nRate=19200\r\nAdr=18\r\nPreambles=6\r\n"
                                   "Repeat=3\r\nTimeOut=400\r\nWaitTime=30\r\nDefault_Command=1\r\nCommand=ATZ&F " +
                                       cp1251(QStringLiteral("Ж")) +
                                       "\r\nConnectWaitTime=90\r\nAutoRepeat=1\r\nConn_Repeat=4\r\n\r\n"
                                       "[ETHERNET_CONN_PAR]\r\nAdr=19\r\nPreambles=8\r\nRepeat=5\r\n"
                                       "TimeOut=600\r\nWaitTime=11\r\nConnectWaitTime=25\r\nConn_Repeat=6\r\n"
                                       "Send_Pause_ms=0\r\n\r\n"
                                       "[COM_PORTS]\r\nCOM7=/dev/ttyUSB0\r\n");

    SettingsBlock reloaded;
    reloaded.loadSettings(dir.file("gqc.ini"), screen);
    EXPECT_EQ(reloaded.gqcIni, everyKeyChanged());
}

TEST(GqcIniKeys, ASectionIsWrittenWholeWhenAnyOfItsKeysChanged)
{
    TempWorkdir dir;
    SettingsBlock block;
    block.loadSettings(dir.file("gqc.ini"), screen);
    block.gqcIni.phone.command = QStringLiteral("ATX3");
    ASSERT_EQ(block.saveSettings(dir.file("gqc.ini")).status, SaveStatus::Saved);
    EXPECT_EQ(dir.read("gqc.ini"), "[FON_CONN_PAR]\r\nCOMPort=1\r\nRate=38400\r\nAdr=1\r\nPreambles=5\r\nRepeat=1\r\n"
                                   "TimeOut=100\r\nWaitTime=6\r\nDefault_Command=0\r\nCommand=ATX3\r\n"
                                   "ConnectWaitTime=50\r\nAutoRepeat=0\r\nConn_Repeat=1\r\n");
}

// The values each number key of gqc.ini takes; anything outside reads as the key's default.
// Flags take any 32-bit number, non-zero meaning set.
struct KeyRange {
    const char* section;
    const char* key;
    std::int64_t lowest;
    std::int64_t highest;
};

const KeyRange keyRanges[] = {
    {"CURR_PAR", "Conn_Prz", 0, 2},
    {"CURR_PAR", "Free_Port_Wait", 0, intMax},
    {"CURR_PAR", "Do_Close_Port", intMin, intMax},
    {"CURR_PAR", "Form_Width", 0, intMax},
    {"CURR_PAR", "Form_Height", 0, intMax},
    {"CURR_PAR", "Form_Left", intMin, intMax},
    {"CURR_PAR", "Form_Top", intMin, intMax},
    {"DIR_CONN_PAR", "COMPort", 0, 255},
    {"DIR_CONN_PAR", "Rate", 1, intMax},
    {"DIR_CONN_PAR", "Adr", 0, 255},
    {"DIR_CONN_PAR", "Preambles", 0, 255},
    {"DIR_CONN_PAR", "Repeat", 0, 255},
    {"DIR_CONN_PAR", "TimeOut", 0, intMax},
    {"DIR_CONN_PAR", "WaitTime", 0, waitMax},
    {"FON_CONN_PAR", "COMPort", 0, 255},
    {"FON_CONN_PAR", "Rate", 1, intMax},
    {"FON_CONN_PAR", "Adr", 0, 255},
    {"FON_CONN_PAR", "Preambles", 0, 255},
    {"FON_CONN_PAR", "Repeat", 0, 255},
    {"FON_CONN_PAR", "TimeOut", 0, intMax},
    {"FON_CONN_PAR", "WaitTime", 0, waitMax},
    {"FON_CONN_PAR", "Default_Command", intMin, intMax},
    {"FON_CONN_PAR", "ConnectWaitTime", 0, intMax},
    {"FON_CONN_PAR", "AutoRepeat", intMin, intMax},
    {"FON_CONN_PAR", "Conn_Repeat", 0, intMax},
    {"ETHERNET_CONN_PAR", "Adr", 0, 255},
    {"ETHERNET_CONN_PAR", "Preambles", 0, 255},
    {"ETHERNET_CONN_PAR", "Repeat", 0, 255},
    {"ETHERNET_CONN_PAR", "TimeOut", 0, intMax},
    {"ETHERNET_CONN_PAR", "WaitTime", 0, waitMax},
    {"ETHERNET_CONN_PAR", "ConnectWaitTime", 0, intMax},
    {"ETHERNET_CONN_PAR", "Conn_Repeat", 0, intMax},
    {"ETHERNET_CONN_PAR", "Send_Pause_ms", 0, 5000},
};

// A gqc.ini with every number key set to what `value` gives for its range.
template <typename Value> QByteArray everyNumberKey(Value value)
{
    QByteArray bytes;
    QByteArray section;
    for (const KeyRange& range : keyRanges) {
        if (section != range.section) {
            section = range.section;
            bytes += "[" + section + "]\r\n";
        }
        bytes += QByteArray(range.key) + "=" + QByteArray::number(value(range)) + "\r\n";
    }
    return bytes;
}

TEST(GqcIniKeys, TheTableOfRangesNamesEveryNumberKeyTheProgramWrites)
{
    TempWorkdir dir;
    SettingsBlock block;
    block.loadSettings(dir.file("gqc.ini"), screen);
    block.gqcIni = everyKeyChanged();
    block.gqcIni.comPorts.clear();
    ASSERT_EQ(block.saveSettings(dir.file("gqc.ini")).status, SaveStatus::Saved);
    const QByteArray ranged = everyNumberKey([](const KeyRange& range) { return range.lowest; });
    const QByteArray written = dir.read("gqc.ini");
    for (const QByteArray& line : written.split('\n')) {
        const QByteArray key = line.left(line.indexOf('=') + 1);
        if (!key.isEmpty() && key != "Command=") {
            EXPECT_TRUE(ranged.contains(key)) << key.toStdString();
        }
    }
}

TEST(GqcIniKeys, TheEndsOfEveryRangeAreTaken)
{
    TempWorkdir dir;
    Settings highest;
    highest.current = {LinkKind::Ethernet, intMax, true, intMax, intMax, intMax, intMax};
    highest.direct = {255, 255, intMax, 255, 255, intMax, waitMax};
    highest.phone = {{255, 255, intMax, 255, 255, intMax, waitMax}, true, {}, intMax, true, intMax};
    highest.ethernet = {{1, 255, 38400, 255, 255, intMax, waitMax}, intMax, intMax, 5000};
    EXPECT_EQ(loaded(dir, everyNumberKey([](const KeyRange& range) { return range.highest; })), highest);

    Settings lowest;
    lowest.current = {LinkKind::Direct, 0, true, 0, 0, intMin, intMin};
    lowest.direct = {0, 0, 1, 0, 0, 0, 0};
    lowest.phone = {{0, 0, 1, 0, 0, 0, 0}, true, {}, 0, true, 0};
    lowest.ethernet = {{1, 0, 38400, 0, 0, 0, 0}, 0, 0, 0};
    EXPECT_EQ(loaded(dir, everyNumberKey([](const KeyRange& range) { return range.lowest; })), lowest);
}

TEST(GqcIniKeys, AFileWithEveryKeyOutOfRangeReadsAsAllDefaults)
{
    TempWorkdir dir;
    EXPECT_EQ(loaded(dir, everyNumberKey([](const KeyRange& range) { return range.highest + 1; })), defaults());
    EXPECT_EQ(loaded(dir, everyNumberKey([](const KeyRange& range) { return range.lowest - 1; })), defaults());
    const QByteArray garbage = everyNumberKey([](const KeyRange&) { return 1; }).replace("=1", "=1x");
    EXPECT_EQ(loaded(dir, garbage), defaults());
}

TEST(GqcIniKeys, AWindowTheFileDoesNotPlaceIsCentredAtTheSizeTheFileGives)
{
    TempWorkdir dir;
    const Settings settings = loaded(dir, "[CURR_PAR]\r\nForm_Width=800\r\nForm_Height=600\r\nForm_Top=9000000000\r\n");
    EXPECT_EQ(settings.current.windowLeft, 240);
    EXPECT_EQ(settings.current.windowTop, 212);
}

} // namespace
