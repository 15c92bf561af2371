#include "archive_file_builder.h"
#include "archives/archive_table.h"
#include "record_bytes.h"

#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

const QByteArray Stamp = bytes({26, 3, 15, 10, 5, 17});
const QByteArray Start = bytes({26, 3, 15, 10, 0, 0});
// Molar fractions, MJ, properties as the controller computed them, no correction, 4 decimals.
const ReportSettings AsSent = ReportSettings::fromBytes({});

constexpr int Methane = 8;         // column of slot 8
constexpr int Density = 13;        // column of slot 12
constexpr int SuperiorHeat = 12;   // column of slot 11
constexpr int SumOfFractions = 18; // column of slot 15

std::unique_ptr<ArchiveTable> table(ArchiveKind kind, const QList<QByteArray>& records, std::uint8_t type = 2,
                                    const ReportSettings& settings = AsSent)
{
    return ArchiveTable::of(archiveFile(kind, records, type), settings);
}

QStringList statusRow(const ArchiveTable& shown, int row)
{
    QStringList texts;
    for (int column = 0; column < shown.statusCaptions().size(); ++column)
        texts << shown.statusText(row, column);
    return texts;
}

QStringList valueRow(const ArchiveTable& shown, int row)
{
    QStringList texts;
    for (int column = 0; column < shown.valueCaptions().size(); ++column)
        texts << shown.valueText(row, column);
    return texts;
}

GasParams withValue(int slot, float value, GasParams values = RecordBytes::gasValues())
{
    values[static_cast<std::size_t>(slot)] = value;
    return values;
}

} // namespace

TEST(ChromMomentTable, ARecordShowsItsStampStatesAndValuesRightAlignedInEight)
{
    const auto shown =
        table(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(Stamp, 0, 0, withValue(11, 100.5f)),
                                             RecordBytes::chromMoment(Stamp, 0x11, 0x8001, RecordBytes::gasValues())});
    EXPECT_EQ(statusRow(*shown, 0), (QStringList{"  15.03.26", "  10:05:17", "Норма", " Норма"}));
    EXPECT_EQ(statusRow(*shown, 1), (QStringList{"  15.03.26", "  10:05:17", "  0x11", " 0x8001"}));
    EXPECT_EQ(shown->valueText(0, Methane), "  8.5000");
    EXPECT_EQ(shown->valueText(0, Density), " 12.5000") << "7 characters get one blank";
    EXPECT_EQ(shown->valueText(0, SuperiorHeat), "100.5000") << "8 characters get none";
    EXPECT_EQ(shown->serviceColumns(), (QList<int>{2, 3}));
}

TEST(ChromMomentTable, TheFlagsAreTestedOffThenNoLinkThenCalibration)
{
    const auto shown = table(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(Stamp, 0x82, 0x0201, {}),
                                                            RecordBytes::chromMoment(Stamp, 0xA0, 0x0201, {}),
                                                            RecordBytes::chromMoment(Stamp, 0x80, 0x0201, {})});
    QStringList off(20, " Выкл.");
    off[SumOfFractions] = QString(); // type 2 gives no sum of the fractions
    EXPECT_EQ(valueRow(*shown, 0), off);
    EXPECT_EQ(shown->statusText(0, 3), QString());

    QStringList noLink(20, "       0");
    noLink[SumOfFractions] = QString();
    EXPECT_EQ(valueRow(*shown, 1), noLink);
    EXPECT_EQ(shown->statusText(1, 3), " Нет связи");

    EXPECT_EQ(valueRow(*shown, 2), QStringList(20, " Калибр.")) << "calibration fills even the empty column";
    EXPECT_EQ(shown->statusText(2, 3), " 0x0201");
    EXPECT_TRUE(shown->means().none()) << "no record was shown with values";
}

TEST(ChromMomentTable, ADamagedRecordShowsOnlyItsTwoTextsAndStaysOutOfTheMeans)
{
    const auto shown =
        table(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(Stamp, 0, 0, withValue(Methane, 90.0f)),
                                             RecordBytes::damaged(RecordBytes::chromMoment(Stamp, 0, 0, {})),
                                             RecordBytes::chromMoment(Stamp, 0x02, 0, {}),
                                             RecordBytes::chromMoment(Stamp, 0, 0, withValue(Methane, 92.0f))});
    EXPECT_EQ(statusRow(*shown, 1), (QStringList{"     Данные", "недостов.", "", ""}));
    EXPECT_EQ(valueRow(*shown, 1), QStringList(20));
    EXPECT_FALSE(shown->recordStatus(1).has_value());
    EXPECT_EQ(shown->means().records(), 2);
    EXPECT_DOUBLE_EQ(shown->means().mean(Methane), 91.0);
}

TEST(ChromMomentTable, ValuesAreShownRecalculatedByTheSettings)
{
    // Heats in kcal, the fractions corrected: methane is 100 % less the others.
    const ReportSettings kcalCorrected = ReportSettings::fromBytes(QByteArray::fromHex("0001000001"));
    const GasParams ethaneAndHeat = withValue(11, 37.0f, withValue(10, 3.5f, GasParams{}));
    const auto shown =
        table(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(Stamp, 0, 0, ethaneAndHeat)}, 2, kcalCorrected);
    EXPECT_EQ(shown->valueText(0, SuperiorHeat), "8845.9600");
    EXPECT_EQ(shown->valueText(0, Methane), " 96.5000");
}

TEST(ChromMomentTable, OnlyTheSlotMapOfType2LeavesTheSumOfTheFractionsEmpty)
{
    const QByteArray record = RecordBytes::chromMoment(Stamp, 0, 0, RecordBytes::gasValues());
    EXPECT_EQ(table(ArchiveKind::ChromFiveMinute, {record}, 2)->valueText(0, SumOfFractions), QString());
    // Type 3 is no type the program knows: the map of types 0 and 1 stays, with the sum.
    EXPECT_NE(table(ArchiveKind::ChromFiveMinute, {record}, 3)->valueText(0, SumOfFractions), QString());
    EXPECT_EQ(table(ArchiveKind::ChromFiveMinute, {record}, 2)->valueCaptions()[SumOfFractions].first(), "Сумма МД");
}

TEST(ChromMomentTable, TheStatusDialogOfARecordHasItsStampInTheCaption)
{
    const auto shown = table(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(Stamp, 0x22, 0x0102, {})});
    const std::optional<RecordStatus> status = shown->recordStatus(0);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->caption, " Мгновенные 5-минутные данные (15.03.26  10:05:17)");
    EXPECT_EQ(status->mode, ChromStatusMode::Moment);
    EXPECT_EQ(status->flags, 0x22);
    EXPECT_EQ(status->statusWord, 0x0102);
}

TEST(ChromIntervalTable, AMeanShowsItsTimesAndItsValuesMarkedByTheStatus)
{
    const auto shown = table(ArchiveKind::ChromHourly,
                             {RecordBytes::chromInterval(Start, 11, 0), RecordBytes::chromInterval(Start, 11, 0x08)});
    EXPECT_EQ(statusRow(*shown, 0), (QStringList{"   15.03.26", "   10:00:00", "   11:00:00", "    Норма"}));
    EXPECT_EQ(statusRow(*shown, 1), (QStringList{"   15.03.26", "   10:00:00", "   11:00:00", "     0x08"}));
    EXPECT_EQ(shown->valueText(0, Methane), " 8.5000 ");
    EXPECT_EQ(shown->valueText(1, Methane), " 8.5000\"");
    EXPECT_EQ(shown->valueText(1, Density), "12.5000\"");
    EXPECT_EQ(shown->means().records(), 2);
}

TEST(ChromIntervalTable, AMeanWithoutDataShowsDashesInEveryPresentColumn)
{
    const auto shown = table(ArchiveKind::ChromHourly,
                             {RecordBytes::chromInterval(Start, 11, 0, withValue(Methane, 0.0005f)),
                              RecordBytes::chromInterval(Start, 11, 0x02), RecordBytes::chromInterval(Start, 11, 0x20),
                              RecordBytes::chromInterval(Start, 11, 0, withValue(Methane, 0.001f))});
    QStringList dashes(20, " ---");
    dashes[SumOfFractions] = QString();
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(valueRow(*shown, row), dashes) << row;
    EXPECT_EQ(shown->valueText(3, Methane), " 0.0010 ");
    EXPECT_EQ(shown->means().records(), 1);
}

TEST(ChromIntervalTable, ADailyMeanWithoutTheDailyFlagIsMarkedWithAStar)
{
    const QList<QByteArray> records{RecordBytes::chromInterval(Start, 0x0A, 0),
                                    RecordBytes::chromInterval(Start, 0x8A, 0)};
    const auto daily = table(ArchiveKind::ChromDaily, records);
    EXPECT_EQ(daily->statusText(0, 2), "   10:00:00*");
    EXPECT_EQ(daily->statusText(1, 2), "   10:00:00");
    EXPECT_EQ(daily->recordStatus(0)->caption, " Суточные данные с 15.03.26 10:00:00 по 10:00:00*");
    EXPECT_EQ(daily->recordStatus(1)->caption, " Суточные данные с 15.03.26 10:00:00 по 10:00:00");
    const auto hourly = table(ArchiveKind::ChromHourly, records);
    EXPECT_EQ(hourly->statusText(0, 2), "   10:00:00");
    EXPECT_EQ(hourly->recordStatus(0)->caption, " Часовые данные с 15.03.26 10:00:00 по 10:00:00");
    EXPECT_EQ(hourly->serviceColumns(), QList<int>{3});
}

TEST(ChromIntervalTable, ADamagedMeanShowsOnlyItsTwoTexts)
{
    const auto shown = table(ArchiveKind::ChromDaily, {RecordBytes::damaged(RecordBytes::chromInterval(Start, 11, 0))});
    EXPECT_EQ(statusRow(*shown, 0), (QStringList{"     Данные", "недостов.", "", ""}));
    EXPECT_EQ(valueRow(*shown, 0), QStringList(20));
    EXPECT_TRUE(shown->means().none());
}
