#include "logs/log_reading.h"

#include "crc/crc16.h"
#include "support/simulated_link.h"
#include "support/temp_workdir.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class LogReadingOnSimulator : public ::testing::Test {
protected:
    void SetUp() override
    {
        link = std::make_unique<SimulatedLink>();
        ASSERT_TRUE(link->up());
        link->server().holdClock(QDateTime(QDate(2026, 3, 15), QTime(10, 7, 30), Qt::UTC));
    }
    QList<QByteArray> requests(std::uint8_t function)
    {
        QList<QByteArray> found;
        for (const QByteArray& frame : link->frames())
            if (static_cast<std::uint8_t>(frame[3]) == function)
                found << frame;
        return found;
    }

    std::unique_ptr<SimulatedLink> link;
    TempWorkdir dir;
};

TEST_F(LogReadingOnSimulator, TheLast100InterventionsAreReadInTenRequestsOfTenIntoTheDatafile)
{
    const std::optional<LogBounds> bounds = readLogBounds(link->layer, LogKind::Interventions);
    ASSERT_TRUE(bounds);
    ASSERT_FALSE(bounds->empty());
    const IndexRange range = presetRange(IndexChoice::Last100, *bounds);
    ASSERT_EQ(range.count, 100u);

    const auto read = readLogByIndex(link->context(), LogKind::Interventions, range, dir.file("datafile.aud"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->count, 100);
    const QList<QByteArray> sent = requests(7);
    ASSERT_EQ(sent.size(), 10);
    for (int i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i].sliced(4, 2), QByteArray::fromHex("0001"));
        EXPECT_EQ(qFromLittleEndian<std::uint32_t>(sent[i].constData() + 6), range.first + 10 * i);
        EXPECT_EQ(sent[i][10], 10);
    }
    const QByteArray file = dir.read("datafile.aud");
    EXPECT_EQ(file, read->records);
    ASSERT_EQ(file.size(), 100 * 24);
    EXPECT_EQ(crc16(file.first(24)), 0) << "whole records, checksums included";
    EXPECT_EQ(link->person.progressPositions().last(), 100);
}

TEST_F(LogReadingOnSimulator, AFailedFirstRequestReadsNothingAndSaysSo)
{
    const std::optional<LogBounds> bounds = readLogBounds(link->layer, LogKind::Diagnostics);
    ASSERT_TRUE(bounds);
    const auto read =
        readLogByIndex(link->context(), LogKind::Diagnostics, {bounds->newest + 5, 3}, dir.file("datafile.ala"));
    EXPECT_FALSE(read);
    ASSERT_EQ(link->person.messages().size(), 1);
    EXPECT_EQ(link->person.messages()[0].line1, "Диагностические сообщения");
    EXPECT_EQ(link->person.messages()[0].line2, "не прочитаны");
    EXPECT_FALSE(link->person.panel(StatusPanel::Transient).isEmpty());
}

TEST_F(LogReadingOnSimulator, APeriodIsReadInNumberedBlocksUntilTheControllerSaysNoMoreFollow)
{
    const Period day{{26, 3, 14, 10, 0, 0}, {26, 3, 15, 10, 0, 0}};
    const auto read = readLogByPeriod(link->context(), LogKind::Diagnostics, day, dir.file("datafile.ala"));
    ASSERT_TRUE(read);
    const QList<QByteArray> sent = requests(8);
    ASSERT_EQ(sent.size(), (read->count + 10) / 11) << "no request after the answer with A[7] = 0";
    ASSERT_GT(sent.size(), 1);
    for (int i = 0; i < sent.size(); ++i)
        EXPECT_EQ(static_cast<std::uint8_t>(sent[i][6]), i);
    const QByteArray file = dir.read("datafile.ala");
    ASSERT_EQ(file.size(), read->count * 22);
    for (int i = 0; i < read->count; ++i)
        EXPECT_EQ(crc16(file.sliced(i * 22, 22)), 0) << "record " << i << " whole, its checksum included";
    EXPECT_EQ(link->person.progressMaximum(), 24);
}

TEST_F(LogReadingOnSimulator, APeriodWithoutRecordsSaysSo)
{
    const Period future{{26, 4, 1, 0, 0, 0}, {26, 4, 2, 0, 0, 0}};
    EXPECT_FALSE(readLogByPeriod(link->context(), LogKind::Interventions, future, dir.file("datafile.aud")));
    ASSERT_EQ(link->person.messages().size(), 1);
    EXPECT_EQ(link->person.messages()[0].line1, "Нет данных за указанный период");
}

} // namespace
