#include "logs/log_file.h"

#include "base/windows1251.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Name = QByteArray("KKG-04 station").leftJustified(20, ' ');

LogReadingFacts facts()
{
    return {Name, 7, {26, 3, 15, 11, 0, 5}, {26, 3, 14, 10, 1, 2}, {26, 3, 15, 10, 59, 58}, 2, 1};
}

LogTable interventionTable()
{
    LogTable table{LogKind::Interventions, logFileHeader(LogKind::Interventions, facts(), 0), {}};
    table.rows << LogRow{{"    14.03.26", "    10:01:02", "Адрес контроллера", "1", "2", "", "ADMI"}};
    table.rows << LogRow{{"   ***", "", "", "", "", "", ""}, true};
    return table;
}

TEST(LogFiles, ASavedFileHoldsTheHeaderAndZeroPaddedWindows1251Rows)
{
    TempWorkdir dir;
    const QString path = dir.file("a.aud");
    ASSERT_FALSE(writeLogFile(path, interventionTable()).failed());
    const QByteArray bytes = dir.read("a.aud");
    ASSERT_EQ(bytes.size(), 58 + 2 * 205);
    EXPECT_EQ(bytes.first(4), QByteArray("AUD\0", 4));
    EXPECT_EQ(bytes.sliced(4, 20), Name);
    EXPECT_EQ(bytes[24], 7);
    EXPECT_EQ(bytes.sliced(25, 6), QByteArray::fromHex("1a030f0b0005"));
    EXPECT_EQ(bytes.sliced(31, 6), QByteArray::fromHex("1a030e0a0102"));
    EXPECT_EQ(bytes.sliced(37, 6), QByteArray::fromHex("1a030f0a3b3a"));
    EXPECT_EQ(bytes.sliced(43, 4), QByteArray::fromHex("02000000"));
    EXPECT_EQ(bytes[47], 2);
    EXPECT_EQ(bytes[48], 0) << "only diagnostic files keep the moisture-meter type";
    const QByteArray row = bytes.sliced(58, 205);
    EXPECT_EQ(row.first(20), QByteArray("    14.03.26").leftJustified(20, '\0'));
    EXPECT_EQ(row.sliced(40, 100), toWindows1251("Адрес контроллера").leftJustified(100, '\0'));
    EXPECT_EQ(row.sliced(200, 5), QByteArray("ADMI\0", 5));
    EXPECT_EQ(bytes.sliced(58 + 205, 6), QByteArray("   ***"));

    const auto read = readLogFile(LogKind::Interventions, path);
    ASSERT_TRUE(std::holds_alternative<LogTable>(read));
    const LogTable& table = std::get<LogTable>(read);
    ASSERT_EQ(table.rows.size(), 2);
    EXPECT_EQ(table.rows[0].cells, interventionTable().rows[0].cells);
    EXPECT_TRUE(table.rows[1].damaged);
    EXPECT_EQ(table.header.periodEnd(6), (DateStamp{26, 3, 15, 10, 59, 58}));
}

TEST(LogFiles, ADamagedDiagnosticRecordIsSavedAsZerosAndFieldsAreCutToTheirWidth)
{
    LogTable table{LogKind::Diagnostics, logFileHeader(LogKind::Diagnostics, facts(), 0), {}};
    table.rows << LogRow{{"   ***", "", "", "", "", "", ""}, true};
    table.rows << LogRow{{QString(30, QChar(u'Ж')), "t", "e", "o", "c", "s", "u"}};
    EXPECT_EQ(logRowBytes(LogKind::Diagnostics, table.rows[0]), QByteArray(300, '\0'));
    const QByteArray row = logRowBytes(LogKind::Diagnostics, table.rows[1]);
    ASSERT_EQ(row.size(), 300);
    EXPECT_EQ(row.first(20), QByteArray(19, '\xC6') + '\0');
    EXPECT_EQ(row[20], 't');

    TempWorkdir dir;
    ASSERT_FALSE(writeLogFile(dir.file("d.ala"), table).failed());
    EXPECT_EQ(dir.read("d.ala")[48], 1) << "the moisture-meter type";
}

TEST(LogFiles, AFieldFillingItsWholeWidthReadsWithoutATerminator)
{
    QByteArray row(205, 'x');
    const LogRow read = logRowFromBytes(LogKind::Interventions, row);
    EXPECT_EQ(read.cells[0], QString(20, 'x'));
    EXPECT_EQ(read.cells[6], QString(5, 'x'));
}

TEST(LogFiles, AFileOfTheOtherLogOrShorterThanItsHeaderIsRefused)
{
    TempWorkdir dir;
    ASSERT_FALSE(writeLogFile(dir.file("x.aud"), interventionTable()).failed());
    const auto foreign = readLogFile(LogKind::Diagnostics, dir.file("x.aud"));
    ASSERT_TRUE(std::holds_alternative<InputProblem>(foreign));
    EXPECT_EQ(std::get<InputProblem>(foreign).line1, "Файл x.aud не является файлом, содержащим");
    EXPECT_EQ(std::get<InputProblem>(foreign).line2, "диагностические сообщения контроллера ККГ_04");

    dir.write("short.aud", dir.read("x.aud").first(57));
    const auto shortFile = readLogFile(LogKind::Interventions, dir.file("short.aud"));
    ASSERT_TRUE(std::holds_alternative<InputProblem>(shortFile));
    EXPECT_EQ(std::get<InputProblem>(shortFile).line2, "сообщения о вмешательствах оператора контроллера ККГ_04");

    QByteArray otherType = dir.read("x.aud");
    otherType[47] = 3;
    dir.write("type.aud", otherType);
    EXPECT_TRUE(std::holds_alternative<InputProblem>(readLogFile(LogKind::Interventions, dir.file("type.aud"))));

    const auto missing = readLogFile(LogKind::Interventions, dir.file("none.aud"));
    EXPECT_EQ(std::get<InputProblem>(missing).line1, "Ошибка открытия файла");
}

TEST(LogFiles, AHeaderCountLargerThanTheFileHoldsIsBounded)
{
    TempWorkdir dir;
    ASSERT_FALSE(writeLogFile(dir.file("x.aud"), interventionTable()).failed());
    QByteArray bytes = dir.read("x.aud");
    bytes.replace(43, 4, QByteArray::fromHex("ffffffff"));
    bytes.chop(10); // the second row is cut short
    dir.write("big.aud", bytes);
    const auto read = readLogFile(LogKind::Interventions, dir.file("big.aud"));
    ASSERT_TRUE(std::holds_alternative<LogTable>(read));
    EXPECT_EQ(std::get<LogTable>(read).rows.size(), 1);
    EXPECT_EQ(std::get<LogTable>(read).header.count(), 1u);
}

} // namespace
