#include "app/collection_state.h"
#include "support/failing_saves.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

namespace {

CollectionState loaded(const QString& path)
{
    auto state = CollectionState::load(path);
    EXPECT_TRUE(std::holds_alternative<CollectionState>(state)) << std::get<QString>(state).toStdString();
    return std::get<CollectionState>(state);
}

TEST(CollectionState, KeepsEachArchivesAndLogsLastRecordAcrossRuns)
{
    TempWorkdir workdir;
    const QString path = workdir.file("collect.ini");
    CollectionState state = loaded(path);
    EXPECT_FALSE(state.lastRecord(ArchiveKind::ChromHourly)) << "a station never collected";

    state.setLastRecord(ArchiveKind::ChromHourly, {26, 3, 15, 9, 0, 0});
    state.setLastRecord(ArchiveKind::WmtDaily, {26, 3, 14, 0, 0, 0});
    state.setLastRecord(LogKind::Diagnostics, 4000000000U);
    state.setLastReportDay(QDate(2026, 3, 14));
    ASSERT_FALSE(state.save(path).failed());

    const CollectionState again = loaded(path);
    EXPECT_EQ(again.lastRecord(ArchiveKind::ChromHourly), (DateStamp{26, 3, 15, 9, 0, 0}));
    EXPECT_EQ(again.lastRecord(ArchiveKind::WmtDaily), (DateStamp{26, 3, 14, 0, 0, 0}));
    EXPECT_FALSE(again.lastRecord(ArchiveKind::ChromDaily));
    EXPECT_EQ(again.lastRecord(LogKind::Diagnostics), 4000000000U);
    EXPECT_FALSE(again.lastRecord(LogKind::Interventions));
    EXPECT_EQ(again.lastReportDay(), QDate(2026, 3, 14));
    EXPECT_EQ(workdir.read("collect.ini"), "[ARCHIVES]\r\nhch=2026-03-15 09:00\r\ndwm=2026-03-14 00:00\r\n\r\n"
                                           "[LOGS]\r\nala=4000000000\r\n\r\n[REPORTS]\r\nLastDay=2026-03-14\r\n");
}

TEST(CollectionState, AFailedSaveLeavesTheOldStateWhole)
{
    TempWorkdir workdir;
    const QString path = workdir.file("collect.ini");
    CollectionState state = loaded(path);
    state.setLastRecord(ArchiveKind::ChromHourly, {26, 3, 15, 9, 0, 0});
    ASSERT_FALSE(state.save(path).failed());
    const QByteArray before = workdir.read("collect.ini");

    state.setLastRecord(ArchiveKind::ChromHourly, {26, 3, 16, 9, 0, 0});
    state.setLastRecord(LogKind::Interventions, 17);
    for (const SaveFault::Step step : {SaveFault::Step::Write, SaveFault::Step::Flush, SaveFault::Step::Commit}) {
        const FailingSaves failing({step, 1, {}});
        EXPECT_TRUE(state.save(path).failed());
        EXPECT_EQ(workdir.read("collect.ini"), before);
    }
    EXPECT_EQ(loaded(path).lastRecord(ArchiveKind::ChromHourly), (DateStamp{26, 3, 15, 9, 0, 0}));
}

TEST(CollectionState, AValueThatIsNoStampIndexOrDayIsRefusedNotForgotten)
{
    TempWorkdir workdir;
    for (const QByteArray& text :
         {QByteArray("[ARCHIVES]\r\nhch=2026-02-30 09:00\r\n"), QByteArray("[ARCHIVES]\r\ndch=2026-03-14\r\n"),
          QByteArray("[LOGS]\r\naud=-1\r\n"), QByteArray("[REPORTS]\r\nLastDay=14.03.2026\r\n")}) {
        workdir.write("collect.ini", text);
        const auto state = CollectionState::load(workdir.file("collect.ini"));
        ASSERT_TRUE(std::holds_alternative<QString>(state)) << text.toStdString();
        EXPECT_TRUE(std::get<QString>(state).contains("collect.ini: [")) << std::get<QString>(state).toStdString();
    }
}

} // namespace
