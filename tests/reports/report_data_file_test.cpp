#include "archives/record_bytes.h"
#include "base/windows1251.h"
#include "reports/report_data_file.h"
#include "reports/report_day_choice.h"
#include "settings/work_directory.h"
#include "support/temp_workdir.h"

#include <QtEndian>
#include <bit>
#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray valueBytes()
{
    QByteArray bytes;
    for (int slot = 0; slot < GasParamsSize; ++slot) {
        char le[4];
        qToLittleEndian(std::bit_cast<std::uint32_t>(static_cast<float>(slot) + 0.25f), le);
        bytes.append(le, 4);
    }
    return bytes;
}

// report.ini with its first heading line and day-start hour 5.
ReportTexts texts()
{
    QByteArray bytes(ReportTexts::Size, '\0');
    bytes.replace(0, 6, "Line 1");
    bytes[500] = 5;
    return ReportTexts::fromBytes(bytes);
}

ReportDataFile lastDayOf2008()
{
    const QByteArray name = toWindows1251(QStringLiteral("  ГРС Северная      "));
    return ReportDataFile::make({texts(), 10, name, 7, QDate(2008, 12, 31), valueBytes()});
}

QByteArray bytesAt(const QByteArray& bytes, int offset, int count)
{
    return bytes.mid(offset, count);
}

QByteArray list(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int value : values)
        bytes.append(static_cast<char>(value));
    return bytes;
}

} // namespace

TEST(ReportDataFile, IsMadeOfTheTextsTheControllerTheGasDayAndItsValues)
{
    const QByteArray bytes = lastDayOf2008().bytes();
    ASSERT_EQ(bytes.size(), 912);
    EXPECT_EQ(bytesAt(bytes, 0, 6), "Line 1");
    EXPECT_EQ(bytes[500], 10) << "the controller's contract hour replaces report.ini's";
    EXPECT_EQ(bytesAt(bytes, 801, 20), toWindows1251(QStringLiteral("  ГРС Северная      ")));
    EXPECT_EQ(bytes[821], 7);
    EXPECT_EQ(bytesAt(bytes, 822, 10), list({8, 12, 31, 10, 0, 9, 1, 1, 10, 0}));
    EXPECT_EQ(bytesAt(bytes, 832, 80), valueBytes());
    EXPECT_EQ(ReportDataFile::fileName(QDate(2008, 12, 31)), "rep081231.srt");
    EXPECT_EQ(ReportDataFile::fileName(QDate(2005, 9, 8)), "rep050908.srt");
}

TEST(ReportDataFile, TheNextDayCrossesMonthsAndLeapDays)
{
    const auto endOf = [](const QDate& day) {
        return bytesAt(ReportDataFile::make({texts(), 9, {}, 1, day, valueBytes()}).bytes(), 827, 3);
    };
    EXPECT_EQ(endOf(QDate(2024, 2, 28)), list({24, 2, 29}));
    EXPECT_EQ(endOf(QDate(2023, 2, 28)), list({23, 3, 1}));
    EXPECT_EQ(endOf(QDate(2026, 4, 30)), list({26, 5, 1}));
}

TEST(ReportDataFile, TheReportReadsBackWhatWasMade)
{
    const std::optional<ReportDataFile> file = ReportDataFile::fromBytes(lastDayOf2008().bytes());
    ASSERT_TRUE(file);
    const DayReport report = file->report();
    EXPECT_EQ(report.controllerName, "ГРС Северная");
    EXPECT_EQ(report.address, 7);
    EXPECT_EQ(report.start, (DateStamp{8, 12, 31, 10, 0, 0}));
    EXPECT_EQ(report.end, (DateStamp{9, 1, 1, 10, 0, 0}));
    EXPECT_EQ(report.values[0], 0.25f);
    EXPECT_EQ(report.values[19], 19.25f);
    EXPECT_EQ(report.texts.dayStartHour(), 10);
    EXPECT_EQ(report.texts.bytes().left(6), "Line 1");
}

TEST(ReportDataFile, ANameFillingItsFieldEndsAtTheFieldNotAtTheAddress)
{
    QByteArray bytes = lastDayOf2008().bytes();
    bytes.replace(801, 20, QByteArray(20, 'N'));
    EXPECT_EQ(ReportDataFile::fromBytes(bytes)->report().controllerName, QString(20, 'N'));
}

TEST(ReportDataFile, OnlyExactlyTheLengthOfAReportWithCalendarDaysIsAReport)
{
    const QByteArray good = lastDayOf2008().bytes();
    EXPECT_FALSE(ReportDataFile::fromBytes(good.left(911)));
    EXPECT_FALSE(ReportDataFile::fromBytes(good + '\0'));
    EXPECT_FALSE(ReportDataFile::fromBytes({}));
    const auto with = [&](int offset, int value) {
        QByteArray bytes = good;
        bytes[offset] = static_cast<char>(value);
        return ReportDataFile::fromBytes(bytes).has_value();
    };
    EXPECT_FALSE(with(823, 13)) << "start month 13";
    EXPECT_FALSE(with(823, 0));
    EXPECT_FALSE(with(828, 13)) << "end month 13";
    EXPECT_FALSE(with(824, 0));
    EXPECT_FALSE(with(829, 32));
    EXPECT_TRUE(with(823, 1));
    EXPECT_TRUE(with(825, 24)) << "the hours are only printed";
    QByteArray february = good;
    february.replace(822, 3, list({9, 2, 29}));
    EXPECT_FALSE(ReportDataFile::fromBytes(february)) << "no 29 February in 2009";
}

TEST(ReportDataFile, AFileIsReadOrRefusedInTheOperatorsWords)
{
    TempWorkdir dir;
    dir.write("rep081231.srt", lastDayOf2008().bytes());
    dir.write("short.srt", lastDayOf2008().bytes().left(911));
    EXPECT_TRUE(std::holds_alternative<ReportDataFile>(ReportDataFile::read(dir.file("rep081231.srt"))));
    EXPECT_EQ(std::get<InputProblem>(ReportDataFile::read(dir.file("short.srt"))),
              (InputProblem{"Файл short.srt не является", "файлом отчета"}));
    EXPECT_EQ(std::get<InputProblem>(ReportDataFile::read(dir.file("missing.srt"))),
              (InputProblem{"Ошибка открытия файла", {}}));
}

TEST(ReportDay, IsYesterdayAtFirstAndMustLieWithinTheArchivesDays)
{
    EXPECT_EQ(presetReportDay(QDate(2009, 1, 1)), QDate(2008, 12, 31));
    const ArchiveBounds bounds{{8, 3, 10, 9, 0, 0}, {8, 12, 31, 9, 0, 0}};
    const InputProblem refused{"В архиве нет данных за указанные сутки", "(см. период имеющихся в архиве данных)"};
    EXPECT_EQ(reportDayProblem(QDate(2008, 3, 10), bounds), std::nullopt) << "the oldest day";
    EXPECT_EQ(reportDayProblem(QDate(2008, 12, 31), bounds), std::nullopt) << "the newest day";
    EXPECT_EQ(reportDayProblem(QDate(2008, 3, 9), bounds), refused);
    EXPECT_EQ(reportDayProblem(QDate(2009, 1, 1), bounds), refused);
}

TEST(ReportDataFile, NoReportIsMadeOfADayTheControllerWasOffOrWithoutMethane)
{
    const auto refusal = [](std::uint8_t status, float methane) {
        GasParams values = RecordBytes::gasValues();
        values[GasSlot::Methane] = methane;
        return dayRecordRefusal(ChromIntervalRecord(RecordBytes::chromInterval(RecordBytes::bytes({8, 12, 31, 9, 0, 0}), 0x89, status, values)));
    };
    EXPECT_EQ(refusal(ChromIntervalRecord::SwitchedOff, 95.0F), "(контроллер был выключен в эти сутки)");
    EXPECT_EQ(refusal(0, std::numeric_limits<float>::quiet_NaN()), "(недопустимое значение доли метана)");
    EXPECT_EQ(refusal(0, std::numeric_limits<float>::infinity()), "(недопустимое значение доли метана)");
    EXPECT_EQ(refusal(ChromIntervalRecord::OutOfLimits, 95.0F), std::nullopt) << "a substitute value is no refusal";
}
