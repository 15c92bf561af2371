#include "app/app_state.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>

namespace {

const QSize screen(1280, 1024);
const QDateTime startMoment(QDate(2026, 12, 8), QTime(10, 30));

// Windows-1251 bytes encoded independently of the program's own table.
QByteArray cp1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

class SettingsFiles : public ::testing::Test {
protected:
    AppState start() { return AppState(WorkDirectory(dir.path()), screen, startMoment); }

    TempWorkdir dir;
};

TEST_F(SettingsFiles, FirstStartInAnEmptyDirectoryCreatesTheTreeAndTakesEveryDefault)
{
    AppState state = start();
    for (const char* folder : {"CONFIG", "ALAFILES", "AUDFILES", "MOMDATA", "HOURDATA", "DAYDATA", "REPORT", "INI"})
        EXPECT_TRUE(QFileInfo(dir.file(folder)).isDir()) << folder;

    const Settings& settings = state.settings.gqcIni;
    EXPECT_EQ(settings.current.linkKind, LinkKind::Direct);
    EXPECT_EQ(settings.direct, (LinkRecord{1, 1, 38400, 5, 1, 100, 2}));
    EXPECT_EQ(settings.phone.link, (LinkRecord{1, 1, 38400, 5, 1, 100, 6}));
    EXPECT_EQ(settings.phone.connectWaitS, 50);
    EXPECT_EQ(settings.ethernet.link.interByteMs, 300);
    EXPECT_EQ(settings.ethernet.link.answerTimeoutS, 5);
    EXPECT_EQ(settings.ethernet.connectWaitS, 10);
    EXPECT_EQ(settings.current.portOpenWaitS, 1);
    EXPECT_FALSE(settings.current.openPortPerRequest);
    // A 1000 x 680 window is centred on a 1280 x 1024 screen.
    EXPECT_EQ(settings.current.windowLeft, 140);
    EXPECT_EQ(settings.current.windowTop, 172);
    EXPECT_EQ(state.settings.phoneList.count, 0);
    EXPECT_EQ(state.settings.ethernetList.count, 0);

    // Nothing was changed, so closing writes no settings file, only the archive choices.
    state.closeDown();
    EXPECT_FALSE(QFileInfo::exists(dir.file("INI/gqc.ini")));
    EXPECT_FALSE(QFileInfo::exists(dir.file("INI/fon_abonents.ini")));
    EXPECT_EQ(dir.read("INI/rd_arh.ini").size(), 74);
}

TEST_F(SettingsFiles, OnlyTheChangedRegionsAreWritten)
{
    AppState state = start();
    state.settings.phoneList.count = 1;
    state.settings.phoneList.entries[0].name = QStringLiteral("ГРС Северная");
    EXPECT_EQ(state.settings.savePhoneList(state.directory.phoneListFile()).status, SaveStatus::Saved);
    EXPECT_EQ(state.settings.saveSettings(state.directory.settingsFile()).status, SaveStatus::Unchanged);
    EXPECT_FALSE(QFileInfo::exists(dir.file("INI/gqc.ini")));
    // Saved once, the list is unchanged again and is not rewritten.
    EXPECT_EQ(state.settings.savePhoneList(state.directory.phoneListFile()).status, SaveStatus::Unchanged);

    state.settings.gqcIni.direct.bitRate = 9600;
    EXPECT_EQ(state.settings.saveSettings(state.directory.settingsFile()).status, SaveStatus::Saved);
    const QByteArray written = dir.read("INI/gqc.ini");
    EXPECT_TRUE(written.contains("[DIR_CONN_PAR]\r\nCOMPort=1\r\nRate=9600\r\n"));
    EXPECT_FALSE(written.contains("CURR_PAR")) << "an unchanged section is not written";
}

TEST_F(SettingsFiles, SubscriberListsRoundTripInWindows1251)
{
    const QString phoneName = QStringLiteral("Газоизмерительная станция №3 «Юг»");
    const QString ethernetName = QStringLiteral("Узел учёта Ё-1");
    {
        AppState state = start();
        PhoneList& phones = state.settings.phoneList;
        phones.count = 2;
        phones.selected = 1;
        phones.entries[1] = {phoneName, 17, 4, QStringLiteral("8(0562)-11-22")};
        EthernetList& hosts = state.settings.ethernetList;
        hosts.count = 1;
        hosts.entries[0] = {ethernetName, 3, 0xC0A8010A, 5020};
        ASSERT_EQ(state.settings.savePhoneList(state.directory.phoneListFile()).status, SaveStatus::Saved);
        ASSERT_EQ(state.settings.saveEthernetList(state.directory.ethernetListFile()).status, SaveStatus::Saved);
    }
    const QByteArray phoneFile = dir.read("INI/fon_abonents.ini");
    EXPECT_TRUE(phoneFile.startsWith("[FON_CONN_PAR]\r\nusers_num=2\r\nuser_index=1\r\nsort_prz=0\r\n"));
    EXPECT_TRUE(phoneFile.contains("[FON_ABONENT_2]\r\nuser_name=" + cp1251(phoneName) +
                                   "\r\ncontr_adr=17\r\nadr_modbus=4\r\nphone_code=8(0562)-11-22\r\n"));
    EXPECT_TRUE(phoneFile.contains("[FON_ABONENT_200]")) << "all 200 entries are always written";
    const QByteArray ethernetFile = dir.read("INI/ethr_abonents.ini");
    // 192.168.1.10 as a signed 32-bit number.
    EXPECT_TRUE(ethernetFile.contains("user_name=" + cp1251(ethernetName) +
                                      "\r\ncontr_adr=3\r\nip_adr=-1062731510\r\nport=5020"));
    EXPECT_FALSE(ethernetFile.contains("ETHERNET_ABONENT_2"));

    AppState reloaded = start();
    EXPECT_EQ(reloaded.settings.phoneList.entries[1].name, phoneName);
    EXPECT_EQ(reloaded.settings.phoneList.entries[1].controllerAddress, 17);
    EXPECT_EQ(reloaded.settings.ethernetList.entries[0].name, ethernetName);
    EXPECT_EQ(reloaded.settings.ethernetList.entries[0].ipAddress, 0xC0A8010Au);
}

TEST_F(SettingsFiles, AFileFromAWindowsStationKeepsItsOtherContentWhenRewritten)
{
    dir.write("INI/gqc.ini", "; station settings\r\n[curr_par]\r\nconn_prz = 1\r\nCONN_PRZ=2\r\n\r\n[DIR_CONN_PAR]\r\n"
                             "Adr=\"12\"\r\nComment=" +
                                 cp1251(QStringLiteral("ключ другой программы")) + "\r\n\r\n[OTHER]\r\nx=1\r\n");
    AppState state = start();
    EXPECT_EQ(state.settings.gqcIni.current.linkKind, LinkKind::Modem) << "names ignore case; the first key wins";
    EXPECT_EQ(state.settings.gqcIni.direct.address, 12) << "quotes are stripped";

    state.settings.gqcIni.direct.preambles = 3;
    ASSERT_EQ(state.settings.saveSettings(state.directory.settingsFile()).status, SaveStatus::Saved);
    const QByteArray written = dir.read("INI/gqc.ini");
    EXPECT_TRUE(written.startsWith("; station settings\r\n[curr_par]\r\nconn_prz = 1\r\n"));
    EXPECT_TRUE(written.contains("Comment=" + cp1251(QStringLiteral("ключ другой программы"))));
    EXPECT_TRUE(written.contains("Preambles=3\r\n"));
    EXPECT_TRUE(written.contains("\r\n\r\n[OTHER]\r\nx=1\r\n"));
}

TEST_F(SettingsFiles, ValuesOutOfRangeOrGarbageReadAsTheirDefaults)
{
    dir.write("INI/gqc.ini",
              "[DIR_CONN_PAR]\r\nCOMPort=99999\r\nTimeOut=-5\r\nRate=fast\r\nAdr=$1F\r\nWaitTime=0x0A\r\n"
              "[CURR_PAR]\r\nConn_Prz=7\r\n[ETHERNET_CONN_PAR]\r\nRepeat=256\r\n");
    dir.write("INI/fon_abonents.ini",
              "[FON_CONN_PAR]\r\nusers_num=500\r\nuser_index=-1\r\n[FON_ABONENT_1]\r\nuser_name=" +
                  QByteArray(80, 'N') + "\r\n");
    dir.write("INI/ethr_abonents.ini", "[ETHERNET_CONN_PAR]\r\nusers_num=-3\r\n");
    AppState state = start();
    const Settings& settings = state.settings.gqcIni;
    EXPECT_EQ(settings.direct.port, 1);
    EXPECT_EQ(settings.direct.interByteMs, 100);
    EXPECT_EQ(settings.direct.bitRate, 38400);
    EXPECT_EQ(settings.direct.address, 31);
    EXPECT_EQ(settings.direct.answerTimeoutS, 10);
    EXPECT_EQ(settings.current.linkKind, LinkKind::Direct);
    EXPECT_EQ(settings.ethernet.link.attempts, 1);
    EXPECT_EQ(state.settings.phoneList.count, 200);
    EXPECT_EQ(state.settings.phoneList.selected, 0);
    EXPECT_EQ(state.settings.phoneList.entries[0].name.size(), PhoneSubscriber::maxNameLength);
    EXPECT_EQ(state.settings.ethernetList.count, 0);
}

TEST_F(SettingsFiles, BinarySideFilesTakeTheirDefaultsAndSizes)
{
    dir.write("INI/repconf.ini", QByteArray::fromHex("0101"));
    AppState state = start();
    const QByteArray report = state.reportSettings.bytes();
    EXPECT_EQ(report, QByteArray::fromHex("0101000000") + QByteArray(20, 4)) << "a short file keeps what was read";

    const ArchiveReadingChoices& choices = state.archiveChoices;
    EXPECT_EQ(choices.bytes().size(), 74);
    EXPECT_EQ(choices.firstChoice(), 0);
    EXPECT_EQ(choices.secondChoice(), 1);
    EXPECT_EQ(choices.periodStart(), startMoment);
    EXPECT_EQ(choices.periodEnd(), startMoment);
    // 8 December 2026 10:30 is day 46364.4375 of the Windows calendar.
    EXPECT_EQ(choices.bytes().mid(8, 8), QByteArray::fromHex("000000008ea3e640"));

    dir.write("INI/rd_arh.ini", QByteArray(10, 'x'));
    EXPECT_EQ(start().archiveChoices.secondChoice(), 1) << "a short record is replaced by the defaults";
}

TEST_F(SettingsFiles, ReportSettingsGoBackWholeOrNotAtAll)
{
    const QByteArray stored = QByteArray::fromHex("0100010100") + QByteArray(20, 3);
    dir.write("INI/repconf.ini", stored);
    const ReportSettings settings = start().reportSettings;
    dir.write("INI/repconf.ini", "short");
    ASSERT_EQ(settings.save(dir.file("INI/repconf.ini")).status, SaveStatus::Saved);
    EXPECT_EQ(dir.read("INI/repconf.ini"), stored);

    QDir(dir.path()).mkpath("REPORT/repconf.ini");
    EXPECT_TRUE(settings.save(dir.file("REPORT/repconf.ini")).failed());
    EXPECT_TRUE(QFileInfo(dir.file("REPORT/repconf.ini")).isDir());
}

TEST_F(SettingsFiles, CloseDeletesTheTemporaryDataFiles)
{
    AppState state = start();
    for (const char* name : {"datafile.aud", "datafile.ala", "datafile.clb", "datafile.hdm"})
        dir.write(name, "data");
    dir.write("keep.txt", "data");
    state.closeDown();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.txt"});
}

TEST(WorkDirectoryChoice, TheOptionWinsThenTheProgramDirectoryWhenWritable)
{
    TempWorkdir programDir;
    EXPECT_EQ(WorkDirectory::choose({"gqc_monitor", "--workdir", programDir.path()}, "/nonexistent", "/data"),
              programDir.path());
    EXPECT_EQ(WorkDirectory::choose({"gqc_monitor"}, programDir.path(), "/data"), programDir.path());
    EXPECT_EQ(WorkDirectory::choose({"gqc_monitor"}, "/nonexistent", "/data"), "/data");
}

TEST(WorkDirectoryChoice, AnInstalledProgramKeepsItsFilesPerUserEvenWhereItMayWrite)
{
    TempWorkdir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(prefix.path()).mkpath("share/gqc_monitor"));
    EXPECT_EQ(WorkDirectory::choose({"gqc_monitor"}, prefix.file("bin"), "/data"), "/data");
}

} // namespace
