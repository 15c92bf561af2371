#include "app/app_state.h"
#include "app/link_connect.h"
#include "support/failing_saves.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

const QByteArray stationSettings = "[CURR_PAR]\r\nConn_Prz=1\r\n\r\n[FON_CONN_PAR]\r\nCOMPort=3\r\n";

// Every message shown, as "kind: line 1 / line 2".
QStringList shown(const ScriptedOperator& person)
{
    QStringList texts;
    for (const ScriptedOperator::Message& message : person.messages())
        texts << QStringLiteral("%1: %2 / %3").arg(int(message.kind)).arg(message.line1, message.line2);
    return texts;
}

// What a failed save of the file at `relative` tells the operator.
QString writeError(const TempWorkdir& dir, const QString& relative)
{
    return "1: Ошибка записи файла / " + QDir::toNativeSeparators(dir.file(relative));
}

class StateSaves : public ::testing::Test {
protected:
    // The program as started on `dir`, with the operator switched to Ethernet.
    std::unique_ptr<AppState> startAndChange()
    {
        auto state = std::make_unique<AppState>(WorkDirectory(dir.path()), QSize(1280, 1024),
                                                QDateTime(QDate(2026, 12, 8), QTime(10, 30)));
        state->setOperator(person);
        state->settings.gqcIni.current.linkKind = LinkKind::Ethernet;
        return state;
    }

    TempWorkdir dir;
    ScriptedOperator person;
};

TEST_F(StateSaves, ClosingOnAFullDiskKeepsTheSettingsFileSaysSoAndTriesAgainNextTime)
{
    dir.write("INI/gqc.ini", stationSettings);
    const std::unique_ptr<AppState> state = startAndChange();
    {
        const FailingSaves full({SaveFault::Step::Write, 2, "gqc.ini"});
        state->closeDown();
    }
    EXPECT_EQ(dir.read("INI/gqc.ini"), stationSettings);
    EXPECT_EQ(shown(person), QStringList{writeError(dir, "INI/gqc.ini")});
    EXPECT_EQ(dir.read("INI/rd_arh.ini").size(), 74) << "the other file is saved all the same";

    state->saveState();
    EXPECT_TRUE(dir.read("INI/gqc.ini").startsWith("[CURR_PAR]\r\nConn_Prz=2\r\n"));
    EXPECT_EQ(person.messages().size(), 1);
}

TEST_F(StateSaves, AFolderInPlaceOfTheArchiveChoicesIsReportedAndTheSettingsAreStillSaved)
{
    QDir(dir.path()).mkpath("INI/rd_arh.ini");
    const std::unique_ptr<AppState> state = startAndChange();
    state->closeDown();
    EXPECT_EQ(shown(person), QStringList{writeError(dir, "INI/rd_arh.ini")});
    EXPECT_TRUE(QFileInfo(dir.file("INI/rd_arh.ini")).isDir());
    EXPECT_TRUE(dir.read("INI/gqc.ini").contains("Conn_Prz=2"));
}

TEST_F(StateSaves, APlainFileInPlaceOfTheSettingsFolderIsReportedForEachFile)
{
    dir.write("INI", "not a folder");
    const std::unique_ptr<AppState> state = startAndChange();
    state->closeDown();
    EXPECT_EQ(shown(person), (QStringList{writeError(dir, "INI/gqc.ini"), writeError(dir, "INI/rd_arh.ini")}));
    EXPECT_EQ(dir.read("INI"), "not a folder");
}

TEST_F(StateSaves, AcceptedPresentationSettingsAreWrittenAndAFailedWriteKeepsTheOldFile)
{
    const QByteArray old = QByteArray(5, '\0') + QByteArray(20, 3);
    dir.write("INI/repconf.ini", old);
    const std::unique_ptr<AppState> state = startAndChange();
    const ReportSettings accepted = ReportSettings::fromBytes(QByteArray(5, 1) + QByteArray(20, 5));
    {
        const FailingSaves full({SaveFault::Step::Write, 1, "repconf.ini"});
        state->takeReportSettings(accepted);
    }
    EXPECT_EQ(dir.read("INI/repconf.ini"), old);
    EXPECT_EQ(shown(person), QStringList{writeError(dir, "INI/repconf.ini")});
    EXPECT_EQ(state->reportSettings.bytes(), accepted.bytes()) << "the settings hold for this run";

    state->takeReportSettings(accepted);
    EXPECT_EQ(dir.read("INI/repconf.ini"), accepted.bytes());
}

TEST_F(StateSaves, AReadOnlySettingsFileKeepsItsBytes)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the file's permissions do not stop root; the injected failures stand for it";
    dir.write("INI/gqc.ini", stationSettings);
    QFile::setPermissions(dir.file("INI/gqc.ini"), QFileDevice::ReadOwner);
    const std::unique_ptr<AppState> state = startAndChange();
    state->closeDown();
    EXPECT_EQ(dir.read("INI/gqc.ini"), stationSettings);
    EXPECT_EQ(shown(person), QStringList{writeError(dir, "INI/gqc.ini")});
}

TEST_F(StateSaves, ConnectingTellsOfSettingsThatCouldNotBeSavedAndStillConnects)
{
    QDir(dir.path()).mkpath("INI/gqc.ini");
    const std::unique_ptr<AppState> state = startAndChange();
    // A direct line that opens its port per request needs no port to connect.
    state->settings.gqcIni.current.openPortPerRequest = true;
    EXPECT_TRUE(connectChosenLink(*state, person, {LinkKind::Direct, "17", -1}));
    EXPECT_EQ(shown(person), QStringList{writeError(dir, "INI/gqc.ini")});
    EXPECT_EQ(state->engine.address(), 17);
}

} // namespace

namespace {

TEST(StartUp, LoadsTheObjectListSorted)
{
    TempWorkdir dir;
    dir.write("INI/objects.ini", "[OBJECT_LIST]\r\nobj_num=2\r\nobj_index=0\r\n"
                                 "[OBJECT_1]\r\nobj_name=Zulu\r\n[OBJECT_2]\r\nobj_name=Alpha\r\ncontr_adr=9\r\n");
    const AppState state(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime(QDate(2026, 12, 8), QTime(10, 30)));
    EXPECT_EQ(state.objects.objects, (QList<MeteringObject>{{"Alpha", 9}, {"Zulu", 1}}));
    ASSERT_NE(state.objects.selectedObject(), nullptr);
    EXPECT_EQ(state.objects.selectedObject()->name, "Zulu");
}

} // namespace
