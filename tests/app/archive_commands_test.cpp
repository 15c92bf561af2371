#include "app/archive_commands.h"
#include "scripted_archive_windows.h"
#include "archives/chrom_interval_record.h"
#include "settings/work_directory.h"
#include "support/simulated_link.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QDateTime PcNow(QDate(2026, 3, 15), QTime(11, 0, 0));

class ArchiveReadingOnSimulator : public ::testing::Test {
protected:
    void start(const QDateTime& clock, SimControllerOptions controller = {})
    {
        link = std::make_unique<SimulatedLink>(controller);
        ASSERT_TRUE(link->up());
        link->server().holdClock(clock);
        directory.ensureFolders();
    }
    // The controller's clock moves on only where the program waits.
    void read(ArchiveKind kind)
    {
        ArchiveCommands(link->context(), windows, directory, [] { return PcNow; },
                        [this](int seconds) {
                            waits << seconds;
                            link->server().holdClock(link->server().clock().addSecs(seconds));
                        })
            .read(kind);
    }
    int clockReads()
    {
        const std::vector<FieldRange> reads = link->reads();
        return static_cast<int>(std::count(reads.begin(), reads.end(), FieldRange{2, 0, 8}));
    }
    QList<QByteArray> archiveRequests(std::uint8_t function)
    {
        QList<QByteArray> requests;
        for (const QByteArray& frame : link->frames())
            if (static_cast<std::uint8_t>(frame[3]) == function)
                requests << frame;
        return requests;
    }

    std::unique_ptr<SimulatedLink> link;
    TempWorkdir workdir;
    WorkDirectory directory{workdir.path()};
    ScriptedArchiveWindows windows;
    QList<int> waits;
};

TEST_F(ArchiveReadingOnSimulator, AnArchiveNeverWrittenSaysSoAndAsksForNoPeriod)
{
    SimControllerOptions controller;
    controller.history.historyStart = QDateTime(QDate(2027, 1, 1), QTime(0, 0), Qt::UTC);
    start(QDateTime(QDate(2026, 3, 15), QTime(10, 7, 30)), controller);
    read(ArchiveKind::ChromHourly);

    EXPECT_EQ(windows.periodDialogs, 0);
    ASSERT_EQ(link->person.messages().size(), 1);
    EXPECT_EQ(link->person.messages()[0].line1, "В архиве нет данных");
}

TEST_F(ArchiveReadingOnSimulator, ThePeriodDialogGetsTheBoundsAndTheControllersTime)
{
    start(QDateTime(QDate(2026, 3, 15), QTime(10, 7, 30)));
    read(ArchiveKind::WmtFiveMinute);

    ASSERT_EQ(windows.periodDialogs, 1);
    EXPECT_EQ(windows.shownMode, PeriodMode::FiveMinute);
    EXPECT_EQ(windows.shownBounds.oldest, (DateStamp{26, 1, 15, 10, 5, 0}));
    EXPECT_EQ(windows.shownBounds.newest, (DateStamp{26, 3, 15, 10, 0, 0}));
    EXPECT_EQ(windows.shownNow, (DateStamp{26, 3, 15, 10, 7, 30}));
    EXPECT_TRUE(archiveRequests(14).isEmpty()) << "the operator cancelled the period";
}

TEST_F(ArchiveReadingOnSimulator, DailyRecordsOfTheSimulatorAreReadBlockByBlockAndShown)
{
    start(QDateTime(QDate(2026, 3, 15), QTime(10, 7, 30)));
    windows.period = Period{{26, 3, 10, 0, 0, 0}, {26, 3, 12, 0, 0, 0}};
    read(ArchiveKind::ChromDaily);

    EXPECT_EQ(archiveRequests(16).size(), 2) << "two days in the first answer, the third in the second";
    ASSERT_EQ(windows.shown.size(), 1);
    const ArchiveFile& file = windows.shown[0];
    ASSERT_EQ(file.records.count(), 3);
    for (int day = 0; day < 3; ++day) {
        const ChromIntervalRecord record = file.records.at<ChromIntervalRecord>(day);
        EXPECT_TRUE(record.intact());
        EXPECT_EQ(record.start().day, 10 + day);
    }
    EXPECT_EQ(file.header.signature(), "DAY");
    EXPECT_EQ(file.header.count(), 3u);
    EXPECT_EQ(file.header.address(), 1);
    EXPECT_TRUE(link->person.messages().isEmpty());
}

TEST_F(ArchiveReadingOnSimulator, AFiveMinuteStartADayAfterTheOldestBoundIsReadWithoutLookingAtTheClockAgain)
{
    start(QDateTime(QDate(2026, 3, 15), QTime(10, 4, 57)));
    windows.period = Period{{26, 3, 15, 9, 0, 0}, {26, 3, 15, 9, 5, 0}};
    read(ArchiveKind::ChromFiveMinute);

    EXPECT_EQ(clockReads(), 1);
    EXPECT_TRUE(waits.isEmpty());
    ASSERT_EQ(windows.shown.size(), 1);
    EXPECT_EQ(windows.shown[0].records.count(), 2);
}

TEST_F(ArchiveReadingOnSimulator, NearTheOldestBoundTheReadingWaitsForTheNextRecordAndMovesTheStartWhenAllowed)
{
    // At 10:04:57 the ring is about to drop the record of 15 January 10:00.
    start(QDateTime(QDate(2026, 3, 15), QTime(10, 4, 57)));
    windows.period = Period{{26, 1, 15, 10, 0, 0}, {26, 1, 15, 10, 10, 0}};
    link->person.answerYes();
    read(ArchiveKind::ChromFiveMinute);

    EXPECT_EQ(waits, QList<int>{3});
    EXPECT_EQ(clockReads(), 3) << "the bounds, then before and after the wait";
    ASSERT_EQ(link->person.messages().size(), 1);
    EXPECT_EQ(link->person.messages()[0].kind, MessageKind::ArchiveDatesChangedQuestion);
    EXPECT_EQ(link->person.messages()[0].line1, "Корректировать заданный период чтения данных?");
    ASSERT_FALSE(archiveRequests(14).isEmpty());
    EXPECT_EQ(archiveRequests(14)[0].mid(7, 5), QByteArray::fromHex("1a010f0a05")) << "from 15.01.26 10:05";
}

TEST_F(ArchiveReadingOnSimulator, APeriodTheRingHasDroppedMeanwhileIsGivenUp)
{
    start(QDateTime(QDate(2026, 3, 15), QTime(10, 9, 58)));
    windows.period = Period{{26, 1, 15, 10, 0, 0}, {26, 1, 15, 10, 5, 0}};
    read(ArchiveKind::WmtFiveMinute);

    EXPECT_TRUE(archiveRequests(14).isEmpty());
    ASSERT_EQ(link->person.messages().size(), 1);
    EXPECT_EQ(link->person.messages()[0].kind, MessageKind::ArchiveDatesChanged);
    EXPECT_EQ(link->person.messages()[0].line1, "В архиве уже нет данных за указанный период");
}

} // namespace
