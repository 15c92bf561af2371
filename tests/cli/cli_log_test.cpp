#include "cli_fixtures.h"
#include "logs/log_file.h"

namespace {

class GqcCliReadLog : public GqcCliWithSimulator {
protected:
    void SetUp() override
    {
        GqcCliWithSimulator::SetUp();
        server->holdClock(QDateTime(QDate(2026, 3, 15), QTime(10, 7, 30)));
    }
};

TEST_F(GqcCliReadLog, TheLastRecordsOfALogAreSavedAsTheLogFileAndViewedAsCsv)
{
    const QString file = workdir.file("last.aud");
    const CliRun result = runOnSimulator({"read-log", "aud", "--last", "15", "-o", file});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.out.startsWith("15 records written to " + file + "\n")) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("Сообщения о вмешательствах оператора с индексами от "))
        << result.out.toStdString();
    EXPECT_EQ(workdir.read("datafile.aud").size(), 15 * 24);
    const QByteArray bytes = workdir.read("last.aud");
    ASSERT_EQ(bytes.size(), 58 + 15 * 205);
    EXPECT_EQ(bytes.first(3), "AUD");

    const CliRun view = run({"view", file, "--csv", workdir.file("last.csv")});
    ASSERT_EQ(view.exitCode, 0) << view.errors.toStdString();
    const QList<QByteArray> csv = workdir.read("last.csv").split('\n');
    ASSERT_EQ(csv.size(), 17) << "the heading line, fifteen rows and the end of the last line";
    EXPECT_EQ(csv[0], "Дата;Время;Наименование измененного параметра;Старое значение;Новое значение;Единица "
                      "измер.;Имя оператора");
}

TEST_F(GqcCliReadLog, APeriodOfTheDiagnosticLogIsReadBlockByBlock)
{
    const QString file = workdir.file("day.ala");
    const CliRun result = runOnSimulator({"read-log", "ala", "--from", "2026-03-14T10:00", "--to", "2026-03-15T10:00",
                                          "-o", file, "--csv", workdir.file("day.csv")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.out.contains("Диагностические сообщения за период с 14.03.26 10:00:00 по 15.03.26 10:00:00"))
        << result.out.toStdString();
    const auto read = readLogFile(LogKind::Diagnostics, file);
    ASSERT_TRUE(std::holds_alternative<LogTable>(read));
    EXPECT_GT(std::get<LogTable>(read).rows.size(), 11) << "more than one block";
}

TEST_F(GqcCliReadLog, AStartOutsideTheBoundsIsRefusedWithTheDialogsWords)
{
    const CliRun result = runOnSimulator({"read-log", "aud", "--first", "0", "--count", "5", "-o", workdir.file("x")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errors.contains("Нелогичное значение индекса записи начала чтения"))
        << result.errors.toStdString();
    EXPECT_FALSE(QFile::exists(workdir.file("x")));
}

TEST_F(GqcCli, ReadLogWantsOneWayOfChoosingRecordsAndViewRefusesAForeignLog)
{
    const QStringList link{"--tcp", "127.0.0.1:1"};
    EXPECT_EQ(run(link + QStringList{"read-log", "aud", "--last", "5", "--first", "1", "-o", "x"}).exitCode, 2);
    EXPECT_EQ(run(link + QStringList{"read-log", "log", "--last", "5", "-o", "x"}).exitCode, 2);

    workdir.write("other.ala", QByteArray("AUD") + QByteArray(44, '\0') + char(2) + QByteArray(10, '\0'));
    const CliRun view = run({"view", workdir.file("other.ala"), "--csv", workdir.file("o.csv")});
    EXPECT_EQ(view.exitCode, 1);
    EXPECT_TRUE(view.errors.contains("не является файлом")) << view.errors.toStdString();
}

} // namespace
