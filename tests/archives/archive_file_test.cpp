#include "archives/archive_file.h"
#include "archives/archive_file_name.h"
#include "archives/chrom_interval_record.h"
#include "archives/wmt_interval_record.h"
#include "record_bytes.h"
#include "settings/work_directory.h"
#include "support/failing_saves.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

// Table 5 as the image holds it: Windows-1251, blank-padded ("ГРС Северная").
const QByteArray name = QByteArray("\xc3\xd0\xd1 \xd1\xe5\xe2\xe5\xf0\xed\xe0\xff").leftJustified(20, ' ');

ArchiveFileHeader dailyHeader(ArchiveKind kind, std::uint32_t count, std::uint8_t chromatographType = 2)
{
    return ArchiveFileHeader::build({kind, name, 17, DateStamp{26, 6, 10, 14, 30, 45}, DateStamp{26, 6, 1, 0, 0, 0},
                                     DateStamp{26, 6, 9, 0, 0, 0}, count, chromatographType});
}

ArchiveRecords wmtRecords(int count)
{
    ArchiveRecords records(ArchiveKind::WmtDaily);
    for (int i = 0; i < count; ++i)
        records.append(RecordBytes::wmtDaily);
    return records;
}

TEST(ArchiveFileHeader, AReadingIsLaidOutByteForByte)
{
    const ArchiveFileHeader header =
        ArchiveFileHeader::build({ArchiveKind::WmtHourly, name, 17, DateStamp{26, 6, 10, 14, 30, 45},
                                  DateStamp{26, 6, 1, 8, 0, 0}, DateStamp{26, 6, 9, 23, 0, 0}, 0x01020304, 2});
    const QByteArray expected = QByteArray("HOU") + bytes({1}) + name + bytes({17, 26, 6, 10, 14, 30, 45}) +
                                bytes({26, 6, 1, 8, 0, 0, 26, 6, 9, 23, 0, 0}) + bytes({0x04, 0x03, 0x02, 0x01, 2}) +
                                QByteArray(10, '\0');
    EXPECT_EQ(header.bytes(), expected);
}

TEST(ArchiveFileHeader, ItsBytesReadBackAsTheReading)
{
    const ArchiveFileHeader header = ArchiveFileHeader::fromBytes(dailyHeader(ArchiveKind::ChromDaily, 70000).bytes());
    EXPECT_EQ(header.signature(), "DAY");
    EXPECT_EQ(header.device(), 0);
    EXPECT_EQ(header.controllerName(), name);
    EXPECT_EQ(header.address(), 17);
    EXPECT_EQ(header.pcTime(), (DateStamp{26, 6, 10, 14, 30, 45}));
    EXPECT_EQ(header.periodStart(), (DateStamp{26, 6, 1, 0, 0, 0}));
    EXPECT_EQ(header.periodEnd(), (DateStamp{26, 6, 9, 0, 0, 0}));
    EXPECT_EQ(header.count(), 70000u);
    EXPECT_EQ(header.chromatographType(), 2);
    EXPECT_TRUE(header.belongsTo(ArchiveKind::ChromDaily));
    EXPECT_FALSE(header.belongsTo(ArchiveKind::WmtDaily));
    EXPECT_FALSE(header.belongsTo(ArchiveKind::ChromHourly));
}

TEST(ArchiveFile, ASavedFileIsTheHeaderThenTheRecordsAndReadsBack)
{
    TempWorkdir dir;
    const QString path = dir.file("a.dwm");
    ASSERT_FALSE(writeArchiveFile(path, {dailyHeader(ArchiveKind::WmtDaily, 3), wmtRecords(3)}).failed());
    EXPECT_EQ(dir.read("a.dwm"), dailyHeader(ArchiveKind::WmtDaily, 3).bytes() + RecordBytes::wmtDaily +
                                     RecordBytes::wmtDaily + RecordBytes::wmtDaily);

    const auto read = readArchiveFile(ArchiveKind::WmtDaily, path);
    ASSERT_TRUE(std::holds_alternative<ArchiveFile>(read));
    const ArchiveFile& file = std::get<ArchiveFile>(read);
    EXPECT_EQ(file.header.bytes(), dailyHeader(ArchiveKind::WmtDaily, 3).bytes());
    ASSERT_EQ(file.records.count(), 3);
    EXPECT_EQ(file.records.at<WmtIntervalRecord>(2).values()[2], 55.0f);
}

TEST(ArchiveFile, ACountBeyondTheRecordsInTheFileReadsOnlyThoseThere)
{
    TempWorkdir dir;
    dir.write("short.dwm", dailyHeader(ArchiveKind::WmtDaily, 1000000).bytes() + RecordBytes::wmtDaily +
                               RecordBytes::wmtDaily + RecordBytes::wmtDaily.first(10));
    const auto read = readArchiveFile(ArchiveKind::WmtDaily, dir.file("short.dwm"));
    ASSERT_TRUE(std::holds_alternative<ArchiveFile>(read));
    EXPECT_EQ(std::get<ArchiveFile>(read).records.count(), 2);

    // Saved again, the count is that of the records kept.
    ASSERT_FALSE(writeArchiveFile(dir.file("again.dwm"), std::get<ArchiveFile>(read)).failed());
    EXPECT_EQ(dir.read("again.dwm"),
              dailyHeader(ArchiveKind::WmtDaily, 2).bytes() + RecordBytes::wmtDaily + RecordBytes::wmtDaily);
}

TEST(ArchiveFile, RecordsAfterTheCountAreNotRead)
{
    TempWorkdir dir;
    dir.write("long.dwm",
              dailyHeader(ArchiveKind::WmtDaily, 1).bytes() + RecordBytes::wmtDaily + RecordBytes::wmtDaily);
    const auto read = readArchiveFile(ArchiveKind::WmtDaily, dir.file("long.dwm"));
    ASSERT_TRUE(std::holds_alternative<ArchiveFile>(read));
    EXPECT_EQ(std::get<ArchiveFile>(read).records.count(), 1);
}

InputProblem refusal(ArchiveKind kind, const QByteArray& content)
{
    TempWorkdir dir;
    dir.write("foreign.dat", content);
    const auto read = readArchiveFile(kind, dir.file("foreign.dat"));
    return std::holds_alternative<InputProblem>(read) ? std::get<InputProblem>(read) : InputProblem{};
}

TEST(ArchiveFile, AFileOfAnotherArchiveIsRefusedInTheWordsOfTheArchiveAsked)
{
    const QByteArray hourlyChrom = dailyHeader(ArchiveKind::ChromHourly, 0).bytes();
    const QString line1 = QStringLiteral("Файл foreign.dat не является файлом, содержащим");
    const std::pair<ArchiveKind, const char*> expected[] = {
        {ArchiveKind::ChromFiveMinute, "мгновенные данные хроматографа из архива 5-минутных данных"},
        {ArchiveKind::ChromDaily, "суточные данные хроматографа из архива контроллера ККГ_04"},
        {ArchiveKind::WmtFiveMinute, "мгновенные данные влагомера из архива 5-минутных данных"},
        {ArchiveKind::WmtHourly, "часовые данные влагомера из архива контроллера ККГ_04"},
        {ArchiveKind::WmtDaily, "суточные данные влагомера из архива контроллера ККГ_04"},
    };
    for (const auto& [kind, line2] : expected)
        EXPECT_EQ(refusal(kind, hourlyChrom), (InputProblem{line1, QString::fromUtf8(line2)}));
    EXPECT_EQ(refusal(ArchiveKind::WmtHourly, hourlyChrom).line2, refusal(ArchiveKind::WmtHourly, {}).line2);
}

TEST(ArchiveFile, AnotherChromatographTypeOrACutHeaderIsRefused)
{
    const InputProblem notHourly{QStringLiteral("Файл foreign.dat не является файлом, содержащим"),
                                 QStringLiteral("часовые данные хроматографа из архива контроллера ККГ_04")};
    EXPECT_EQ(refusal(ArchiveKind::ChromHourly, dailyHeader(ArchiveKind::ChromHourly, 0, 3).bytes()), notHourly);
    EXPECT_EQ(refusal(ArchiveKind::ChromHourly, dailyHeader(ArchiveKind::ChromHourly, 0).bytes().first(57)), notHourly);
    EXPECT_EQ(refusal(ArchiveKind::ChromHourly, {}), notHourly);
}

TEST(ArchiveFile, AFileThatCannotBeOpenedSaysSo)
{
    TempWorkdir dir;
    const auto read = readArchiveFile(ArchiveKind::ChromDaily, dir.file("missing.dch"));
    ASSERT_TRUE(std::holds_alternative<InputProblem>(read));
    EXPECT_EQ(std::get<InputProblem>(read).line1, QStringLiteral("Ошибка открытия файла"));
}

TEST(ArchiveFile, AFailedSaveLeavesTheOldFile)
{
    TempWorkdir dir;
    dir.write("a.dwm", "old");
    const FailingSaves failing({SaveFault::Step::Write, 2, {}});
    EXPECT_TRUE(writeArchiveFile(dir.file("a.dwm"), {dailyHeader(ArchiveKind::WmtDaily, 1), wmtRecords(1)}).failed());
    EXPECT_EQ(dir.read("a.dwm"), "old");
}

TEST(ArchiveFileName, TheProposedNameIsTheAddressAndTheDateInTheArchivesFolder)
{
    const WorkDirectory work(QStringLiteral("/station"));
    const QDate saved(2027, 1, 5);
    const std::pair<ArchiveKind, const char*> expected[] = {
        {ArchiveKind::ChromFiveMinute, "/station/MOMDATA/gqc_04-017-270105.mch"},
        {ArchiveKind::ChromHourly, "/station/HOURDATA/gqc_04-017-270105.hch"},
        {ArchiveKind::ChromDaily, "/station/DAYDATA/gqc_04-017-270105.dch"},
        {ArchiveKind::WmtFiveMinute, "/station/MOMDATA/gqc_04-017-270105.mwm"},
        {ArchiveKind::WmtHourly, "/station/HOURDATA/gqc_04-017-270105.hwm"},
        {ArchiveKind::WmtDaily, "/station/DAYDATA/gqc_04-017-270105.dwm"},
    };
    for (const auto& [kind, path] : expected)
        EXPECT_EQ(proposedArchiveFileName(kind, dailyHeader(kind, 0), saved, work), QString::fromUtf8(path));
}

TEST(ArchiveFileName, ANameWithoutExtensionGetsTheArchives)
{
    EXPECT_EQ(withArchiveExtension(ArchiveKind::ChromFiveMinute, "/d/station"), "/d/station.mch");
    EXPECT_EQ(withArchiveExtension(ArchiveKind::ChromFiveMinute, "/d/station.bin"), "/d/station.bin");
}

} // namespace
