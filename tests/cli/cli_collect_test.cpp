#include "cli_fixtures.h"
#include "settings/settings_block.h"
#include "support/loopback_listener.h"
#include "support/pdf_text.h"

#include <QDir>

namespace {

constexpr std::uint32_t Loopback = 0x7F000001;
constexpr int ReadFunction = 1;
constexpr int HourlyArchiveFunction = 15;
constexpr int DailyArchiveFunction = 16;
constexpr int WrongPassword = 3;
const QDateTime Now(QDate(2026, 3, 15), QTime(10, 7, 30));

SimFault fault(const QString& line)
{
    QString error;
    const std::optional<SimFault> parsed = SimFault::parseLine(line, &error);
    EXPECT_TRUE(parsed) << error.toStdString();
    return parsed.value_or(SimFault{});
}

// Three stations in INI/ethr_abonents.ini: one that answers, one that takes
// the connection and never answers, one that refuses the credentials.
class GqcCliCollect : public GqcCli {
protected:
    void SetUp() override
    {
        answering = simulator({});
        refusing = simulator({fault(QStringLiteral("code %1 error %2").arg(ReadFunction).arg(WrongPassword))});
        SettingsBlock lists;
        const auto enter = [&](int i, const QString& name, int port) {
            lists.ethernetList.entries[i] = {name, 1, Loopback, port};
        };
        enter(0, QStringLiteral("ГРС Северная"), answering->tcpPort());
        enter(1, QStringLiteral("Тихая"), silent.port());
        enter(2, QStringLiteral("Чужая"), refusing->tcpPort());
        lists.ethernetList.count = 3;
        QDir().mkpath(workdir.file("INI"));
        ASSERT_FALSE(lists.saveEthernetList(workdir.file("INI/ethr_abonents.ini")).failed());
    }

    std::unique_ptr<SimServer> simulator(const QList<SimFault>& faults)
    {
        SimServerOptions options;
        options.tcp = true;
        options.controller.faults = faults;
        auto server = std::make_unique<SimServer>(options);
        QString error;
        EXPECT_TRUE(server->start(&error)) << error.toStdString();
        server->holdClock(Now);
        return server;
    }

    CliRun collect(const QStringList& more = {})
    {
        return run(QStringList{"collect", "--since", "2026-03-13", "--answer-timeout-s", "1", "--attempts", "1",
                               "--send-pause-ms", "0"} +
                   more);
    }

    // The summary's fields of each station by its name.
    static QMap<QString, QStringList> summary(const CliRun& result)
    {
        QMap<QString, QStringList> rows;
        const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.value(0), "station\tdch\thch\tdwm\thwm\taud\tala\treports\tresult");
        for (const QString& line : lines.mid(1))
            rows.insert(line.section('\t', 0, 0), line.split('\t').mid(1));
        return rows;
    }

    int requestsWithFunction(int function)
    {
        int count = 0;
        for (const QByteArray& frame : answering->requests())
            count += static_cast<std::uint8_t>(frame[3]) == function ? 1 : 0;
        return count;
    }

    QStringList stationFiles(const QString& folder)
    {
        return QDir(workdir.file("STATIONS/ГРС Северная/" + folder)).entryList(QDir::Files, QDir::Name);
    }

    LoopbackListener silent;
    std::unique_ptr<SimServer> answering;
    std::unique_ptr<SimServer> refusing;
};

TEST_F(GqcCliCollect, FetchesWhatIsNewOnceAndGoesOnPastStationsThatFail)
{
    const CliRun first = collect({"--jobs", "3"});

    EXPECT_EQ(first.exitCode, 1) << first.errors.toStdString();
    QMap<QString, QStringList> rows = summary(first);
    ASSERT_EQ(rows.size(), 3) << first.out.toStdString();
    // 13 and 14 March, their hours up to 09:00 of the 15th, the logs' newest 1000 records,
    // a document and a workbook of each day.
    EXPECT_EQ(rows["ГРС Северная"], (QStringList{"2", "58", "2", "58", "1000", "1000", "4", "ok"}));
    EXPECT_NE(rows["Тихая"].value(7), "ok");
    EXPECT_TRUE(rows["Чужая"].value(7).contains("Команда")) << rows["Чужая"].value(7).toStdString();
    EXPECT_EQ(stationFiles("DAYDATA"), (QStringList{"26031300-26031400.dch", "26031300-26031400.dwm"}));
    EXPECT_EQ(stationFiles("REPORT"), (QStringList{"rep260313.pdf", "rep260313.srt", "rep260314.pdf", "rep260314.srt",
                                                   "ГРС Северная_day_260313.xlsx", "ГРС Северная_day_260314.xlsx"}));
    EXPECT_TRUE(pdfPages(workdir.read("STATIONS/ГРС Северная/REPORT/rep260314.pdf")).value(0).contains("ГРС Северная"));

    answering->clearRequests();
    const CliRun again = collect();
    rows = summary(again);
    EXPECT_EQ(rows["ГРС Северная"], (QStringList{"0", "0", "0", "0", "0", "0", "0", "ok"})) << again.out.toStdString();
    EXPECT_EQ(requestsWithFunction(HourlyArchiveFunction) + requestsWithFunction(DailyArchiveFunction), 0);

    answering->holdClock(Now.addDays(1));
    const CliRun nextDay = collect({"--only", "ГРС Северная"});
    EXPECT_EQ(nextDay.exitCode, 0) << nextDay.errors.toStdString();
    rows = summary(nextDay);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows["ГРС Северная"], (QStringList{"1", "24", "1", "24", "6", "36", "2", "ok"}));
    for (const QString folder : {"AUDFILES", "ALAFILES"}) {
        const QStringList logFiles = stationFiles(folder);
        ASSERT_EQ(logFiles.size(), 2) << folder.toStdString();
        const auto index = [](const QString& name, int part) {
            return name.section('.', 0, 0).section('-', part, part).toUInt();
        };
        const bool ordered = index(logFiles[0], 0) < index(logFiles[1], 0);
        const QString& older = logFiles[ordered ? 0 : 1];
        const QString& newer = logFiles[ordered ? 1 : 0];
        EXPECT_EQ(index(newer, 0), index(older, 1) + 1) << "no record twice, none missing";
    }
    EXPECT_TRUE(stationFiles("HOURDATA").contains("26031510-26031609.hch"))
        << stationFiles("HOURDATA").join(' ').toStdString();
    EXPECT_TRUE(stationFiles("REPORT").contains("rep260315.pdf"));
}

} // namespace

namespace {

TEST_F(GqcCliCollect, AnUnknownStationOrListIsAUsageError)
{
    const CliRun unknown = collect({"--only", "ГРС Южная"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.errors.endsWith("gqc_cli: collect: no subscriber list holds ГРС Южная\n"));
    EXPECT_EQ(collect({"--subscribers", "modem"}).exitCode, 2);
    EXPECT_EQ(collect({"--tcp", "127.0.0.1:1"}).exitCode, 2);
    EXPECT_EQ(collect({"--since", "2026-02-30"}).exitCode, 2);
    EXPECT_TRUE(answering->requests().isEmpty());
}

TEST_F(GqcCliCollect, ARunCutShortGoesOnAfterTheLastRecordItSaved)
{
    const QStringList northern{"--only", "ГРС Северная"};
    answering->clearRequests();
    const CliRun whole = collect(northern);
    ASSERT_EQ(whole.exitCode, 0) << whole.errors.toStdString();
    ASSERT_EQ(summary(whole)["ГРС Северная"].value(1), "58");
    // The tenth request for hourly records of the run goes unanswered in the next one.
    const QList<QByteArray> requests = answering->requests();
    int hourly = 0;
    int cutAt = 0;
    for (int i = 0; i < requests.size() && cutAt == 0; ++i)
        if (static_cast<std::uint8_t>(requests[i][3]) == HourlyArchiveFunction && ++hourly == 10)
            cutAt = i + 1;
    ASSERT_NE(cutAt, 0);
    ASSERT_TRUE(QDir(workdir.file("STATIONS")).removeRecursively());

    answering->setFaults({fault(QStringLiteral("request %1 silence").arg(cutAt))});
    const CliRun cut = collect(northern);
    EXPECT_EQ(cut.exitCode, 1);
    const QStringList cutRow = summary(cut)["ГРС Северная"];
    const int savedHours = cutRow.value(1).toInt();
    EXPECT_GT(savedHours, 0);
    EXPECT_LT(savedHours, 58);
    EXPECT_EQ(cutRow.mid(2), (QStringList{"-", "-", "-", "-", "0", "Команда 15.  Устройство не отвечает"}));

    answering->setFaults({});
    const CliRun resumed = collect(northern);
    EXPECT_EQ(resumed.exitCode, 0) << resumed.errors.toStdString();
    const QStringList row = summary(resumed)["ГРС Северная"];
    EXPECT_EQ(row.mid(0, 4), (QStringList{"0", QString::number(58 - savedHours), "2", "58"}));
    EXPECT_EQ(row.value(6), "4") << "the reports of both days, left by the run cut short";
    const QStringList hourFiles = stationFiles("HOURDATA").filter(".hch");
    ASSERT_EQ(hourFiles.size(), 2) << hourFiles.join(' ').toStdString();
    EXPECT_TRUE(hourFiles[0].startsWith("26031300-"));
    EXPECT_TRUE(hourFiles[1].endsWith("-26031509.hch"));
    const QDateTime cutEnd = QDateTime::fromString("20" + hourFiles[0].mid(9, 8), "yyyyMMddHH");
    EXPECT_EQ(cutEnd.addSecs(3600).toString("yyMMddHH"), hourFiles[1].left(8)) << "no hour twice, none missing";
}

} // namespace

namespace {

TEST_F(GqcCli, CollectDialsPhoneStationsThroughTheModemAndReportsABusyLine)
{
    SimServerOptions options;
    options.pty = true;
    options.modem = true;
    SimServer server(options);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();
    server.holdClock(Now);
    SettingsBlock lists;
    lists.phoneList.entries[0] = {QStringLiteral("Дальняя"), 1, 1, QStringLiteral("8 (812) 555-12-34")};
    lists.phoneList.count = 1;
    QDir().mkpath(workdir.file("INI"));
    ASSERT_FALSE(lists.savePhoneList(workdir.file("INI/fon_abonents.ini")).failed());
    const QStringList collect{"--serial", server.ptyPath(), "collect", "--since", "2026-03-14"};

    const CliRun dialled = run(collect);
    EXPECT_EQ(dialled.exitCode, 0) << dialled.errors.toStdString();
    EXPECT_TRUE(dialled.out.contains("\nДальняя\t1\t34\t1\t34\t")) << dialled.out.toStdString();
    EXPECT_TRUE(dialled.out.endsWith("\t2\tok\n"));

    SimModemSettings busy;
    busy.dialResult = "BUSY";
    server.setModemSettings(busy);
    const CliRun refused = run(collect);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.endsWith("Дальняя\t-\t-\t-\t-\t-\t-\t0\tНомер абонента занят\n"))
        << refused.out.toStdString();
}

} // namespace
