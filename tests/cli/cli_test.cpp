#include "app/program_version.h"
#include "base/windows1251.h"
#include "cli/cli_fixtures.h"
#include "link/modem_dialler.h"
#include "link/serial_transport.h"
#include "sim/sim_server.h"
#include "support/controller_peer.h"
#include "support/frames.h"
#include "support/loopback_listener.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray Identification = QByteArray::fromHex("00490204150305"
                                                      "0e1e00"
                                                      "0101"
                                                      "0000"
                                                      "010203"
                                                      "00");

// A controller with table 0, a 20-byte name in table 5 and 4-byte values in table 22.
QByteArray tableServer(const QByteArray& request)
{
    const auto address = static_cast<std::uint8_t>(request[1]);
    const auto table = static_cast<std::uint8_t>(request[request[3] == 1 ? 5 : 21]);
    const auto first = static_cast<std::uint8_t>(request[request[3] == 1 ? 6 : 22]);
    const auto count = static_cast<std::uint8_t>(request[request[3] == 1 ? 7 : 23]);
    if (request[3] == 2)
        return TestFrames::answer(address, 0x82, QByteArray(1, '\0') + request.mid(21, 3));
    if (table == 0)
        return TestFrames::fieldsAnswer(address, table, first, count, Identification.mid(first, count));
    if (table == 5)
        return TestFrames::fieldsAnswer(address, table, first, count, QByteArray("GRS-1").leftJustified(20, ' '));
    if (table == 22) {
        QByteArray values;
        for (int field = first; field < first + count; ++field)
            values += QByteArray::fromHex("0000803f").left(3) + static_cast<char>(field);
        return TestFrames::fieldsAnswer(address, table, first, count, values);
    }
    return TestFrames::errorReply(address, 1, 9);
}

const QString IdentifyLines = QStringLiteral("Код типа контроллера: 73\n"
                                             "Версия аппаратного обеспечения: 2\n"
                                             "Версия программного обеспечения: 4\n"
                                             "Дата создания ПО: 05.03.21  14:30:00\n"
                                             "Порядок расположения байтов: Мл. адрес - мл. байт\n"
                                             "Наличие разрушенных таблиц: Разрушенных таблиц нет\n"
                                             "Возможность работы на разных скоростях обмена: Есть\n"
                                             "Возможность изменения адреса: Есть\n"
                                             "Последняя поддерживаемая версия протокола обмена: 1.2.3\n");

} // namespace

TEST_F(GqcCli, IdentifiesAControllerOnASerialDevice)
{
    PseudoTerminal terminal;
    ControllerPeer controller(terminal.takeMaster(), tableServer, true);
    const CliRun result = run({QStringLiteral("--serial"), terminal.slavePath(), QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out, IdentifyLines);
    ASSERT_EQ(controller.requests().size(), 1);
    EXPECT_EQ(controller.requests()[0].left(8), QByteArray::fromHex("cc010a0100000012"));
}

TEST_F(GqcCli, IdentifiesAControllerOverTcp)
{
    LoopbackListener listener;
    start({QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:%1").arg(listener.port()), QStringLiteral("--address"),
           QStringLiteral("17"), QStringLiteral("identify")});
    const int connection = listener.accept(10000);
    ASSERT_GE(connection, 0);
    ControllerPeer controller(connection, tableServer, true);
    const CliRun result = finish();
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out, IdentifyLines);
    ASSERT_EQ(controller.requests().size(), 1);
    EXPECT_EQ(static_cast<std::uint8_t>(controller.requests()[0][1]), 17);
}

TEST_F(GqcCli, TheSendPauseOfTheCommandLineOverridesGqcIni)
{
    workdir.write(QStringLiteral("INI/gqc.ini"), "[ETHERNET_CONN_PAR]\r\nSend_Pause_ms=5000\r\n");
    LoopbackListener listener;
    QElapsedTimer clock;
    clock.start();
    start({QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:%1").arg(listener.port()),
           QStringLiteral("--send-pause-ms"), QStringLiteral("0"), QStringLiteral("identify")});
    const int connection = listener.accept(10000);
    ASSERT_GE(connection, 0);
    ControllerPeer controller(connection, tableServer, true);
    const CliRun result = finish();
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_LT(clock.elapsed(), 5000) << "the pause of gqc.ini was waited";
}

TEST_F(GqcCli, ShowsOutOfRangeDatePartsAsStars)
{
    PseudoTerminal terminal;
    ControllerPeer controller(
        terminal.takeMaster(),
        [](const QByteArray& request) {
            QByteArray table0 = Identification;
            table0[0] = 7;  // destroyed table
            table0[5] = 13; // month
            table0[9] = 60; // second
            table0[10] = 2; // byte order
            table0[11] = 0; // one bit rate only
            table0[13] = 5; // fixed address
            return TestFrames::fieldsAnswer(request[1], 0, 0, 18, table0);
        },
        true);
    const CliRun result = run({QStringLiteral("--serial"), terminal.slavePath(), QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 0);
    const QStringList lines = result.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 9);
    EXPECT_EQ(lines[3], QStringLiteral("Дата создания ПО: 05.**.21  14:30:**"));
    EXPECT_EQ(lines[4], QStringLiteral("Порядок расположения байтов:  ? "));
    EXPECT_EQ(lines[5], QStringLiteral("Наличие разрушенных таблиц: Разрушена таблица 7"));
    EXPECT_EQ(lines[6], QStringLiteral("Возможность работы на разных скоростях обмена: Нет"));
    EXPECT_EQ(lines[7], QStringLiteral("Возможность изменения адреса: Нет. Адрес = 5"));
}

TEST_F(GqcCli, ReadPrintsOneFieldPerLine)
{
    PseudoTerminal terminal;
    ControllerPeer controller(terminal.takeMaster(), tableServer, true);
    CliRun result = run({QStringLiteral("--serial"), terminal.slavePath(), QStringLiteral("read"), QStringLiteral("22"),
                         QStringLiteral("4"), QStringLiteral("3")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("00008004\n00008005\n00008006\n"));

    result = run({QStringLiteral("--serial"), terminal.slavePath(), QStringLiteral("read"), QStringLiteral("5"),
                  QStringLiteral("0"), QStringLiteral("1")});
    EXPECT_EQ(result.out, QString::fromLatin1(QByteArray("GRS-1").leftJustified(20, ' ').toHex() + '\n'));
}

TEST_F(GqcCli, WriteSendsWholeFieldsWithTheCredentials)
{
    PseudoTerminal terminal;
    ControllerPeer controller(terminal.takeMaster(), tableServer, true);
    const CliRun result =
        run({QStringLiteral("--serial"), terminal.slavePath(), QStringLiteral("--user"), QStringLiteral("ab"),
             QStringLiteral("--password"), QStringLiteral("тайна"), QStringLiteral("write"), QStringLiteral("22"),
             QStringLiteral("1"), QStringLiteral("0000204100002042")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    ASSERT_EQ(controller.requests().size(), 1);
    const QByteArray write = controller.requests()[0];
    EXPECT_EQ(write[3], 2);
    // The password in Windows-1251, blank-padded, then the user code.
    EXPECT_EQ(write.mid(4, 16), QByteArray("\xf2\xe0\xe9\xed\xe0       ab  "));
    EXPECT_EQ(write.mid(20, 12), QByteArray::fromHex("00160102") + QByteArray::fromHex("0000204100002042"));
}

TEST_F(GqcCli, FailedExchangePrintsTheEngineMessage)
{
    PseudoTerminal terminal;
    ControllerPeer controller(terminal.takeMaster(), tableServer, true);
    CliRun result = run({QStringLiteral("--serial"), terminal.slavePath(), QStringLiteral("read"), QStringLiteral("9"),
                         QStringLiteral("0"), QStringLiteral("1")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, QStringLiteral("Команда 1.  Нет такой таблицы\n"));
    EXPECT_TRUE(result.out.isEmpty());
}

TEST_F(GqcCli, SilentControllerIsAFailedExchange)
{
    PseudoTerminal terminal;
    ControllerPeer silent(
        terminal.takeMaster(), [](const QByteArray&) { return QByteArray(); }, true);
    const CliRun result = run({QStringLiteral("--serial"), terminal.slavePath(), QStringLiteral("--answer-timeout-s"),
                               QStringLiteral("1"), QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, QStringLiteral("Команда 1.  Устройство не отвечает\n"));
    EXPECT_EQ(silent.requests().size(), 1);
}

TEST_F(GqcCli, SettingsOfTheWorkingDirectoryAreTheDefaults)
{
    PseudoTerminal terminal;
    ControllerPeer controller(terminal.takeMaster(), tableServer, true);
    workdir.write(QStringLiteral("INI/gqc.ini"),
                  "[DIR_CONN_PAR]\r\nAdr=7\r\n[COM_PORTS]\r\nCOM9=" + terminal.slavePath().toLocal8Bit() + "\r\n");
    CliRun result = run({QStringLiteral("--serial"), QStringLiteral("COM9"), QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    result = run({QStringLiteral("--serial"), QStringLiteral("com9"), QStringLiteral("--address"), QStringLiteral("8"),
                  QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    ASSERT_EQ(controller.requests().size(), 2);
    EXPECT_EQ(controller.requests()[0][1], 7);
    EXPECT_EQ(controller.requests()[1][1], 8);
}

TEST_F(GqcCli, UnavailablePortIsAFailedExchange)
{
    const CliRun result =
        run({QStringLiteral("--serial"), QStringLiteral("/dev/gqc-no-such-port"), QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, QStringLiteral("Коммуникационный порт /dev/gqc-no-such-port недоступен\n"));
}

TEST_F(GqcCliWithSimulator, ReadConfigPrintsEveryConfigurationTableButThePasswords)
{
    const CliRun result = runOnSimulator({QStringLiteral("read-config")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.errors.isEmpty()) << "no progress line into a pipe";
    const QStringList lines = result.out.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^Табл\\. "))).size(), 20);
    EXPECT_FALSE(result.out.contains(QStringLiteral("Табл. 13.")));

    const qsizetype name = lines.indexOf(QStringLiteral("Табл. 5. Наименование контроллера"));
    ASSERT_GE(name, 0);
    EXPECT_EQ(lines[name + 1],
              "  " + QString::fromLatin1(toWindows1251(QStringLiteral("ГРС Северная")).leftJustified(20, ' ').toHex()));
    const qsizetype users = lines.indexOf(QStringLiteral("Табл. 4. Доступ к таблицам параметров конфигурации"));
    ASSERT_GE(users, 0);
    EXPECT_EQ(lines[users + 1], "  " + QString::fromLatin1(server->table(4).left(22).toHex()));
    EXPECT_EQ(lines[users + 17], lines[name]);
    // Two flow computers: two fields of their tables.
    const qsizetype types = lines.indexOf(QStringLiteral("Табл. 17. Тип вычислителя (корректора) расхода газа"));
    ASSERT_GE(types, 0);
    EXPECT_EQ(lines[types + 3], QStringLiteral("Табл. 18. Адреса подключенных ВРГ"));
}

TEST_F(GqcCliWithSimulator, ATerminalSeesTheConfigurationReadGoOnOneLine)
{
    PseudoTerminal terminal;
    const int master = terminal.takeMaster();
    process.setStandardErrorFile(terminal.slavePath());
    const CliRun result = runOnSimulator({QStringLiteral("read-config")});
    ASSERT_EQ(result.exitCode, 0);

    ::fcntl(master, F_SETFL, O_NONBLOCK);
    QByteArray shown;
    char buffer[4096];
    for (ssize_t got; (got = ::read(master, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, got);
    ::close(master);
    const QString line = QStringLiteral("\rВыполняется чтение таблиц параметров конфигурации: %1 из 22");
    QString expected;
    for (int position = 0; position <= 20; ++position) // one step for each of the 21 tables
        expected += line.arg(position);
    expected += line.arg(22) + QStringLiteral("\r\n"); // full at the end; the terminal turns LF into CR LF
    EXPECT_EQ(QString::fromUtf8(shown), expected);
}

TEST_F(GqcCliWithSimulator, TraceFileShowsTheRequestAndTheAnswerOfAnIdentify)
{
    const QString trace = workdir.file(QStringLiteral("trace.txt"));
    const CliRun result = runOnSimulator({QStringLiteral("--trace"), trace, QStringLiteral("--preambles"),
                                          QStringLiteral("2"), QStringLiteral("identify")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("Код типа контроллера: 73\n")));
    EXPECT_TRUE(result.errors.isEmpty()) << result.errors.toStdString();

    const QStringList lines = QString::fromUtf8(workdir.read(QStringLiteral("trace.txt"))).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString(); // two lines and the end of the last
    const QString stamp = QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} ");
    EXPECT_TRUE(
        QRegularExpression(
            stamp + QStringLiteral("-> addr 1 code 0x01 len 10 after 2 preambles: cc 01 0a 01 00 00 00 12 e1 a9$"))
            .match(lines[0])
            .hasMatch())
        << lines[0].toStdString();
    // The simulator, like a controller, may send preambles of its own ahead of the answer.
    const QRegularExpressionMatch answer =
        QRegularExpression(stamp + QStringLiteral("<- addr 1 code 0x81 len 28( \\(\\d bytes skipped\\))?, status 0 "
                                                  "\"Команда 1.  Команда выполнена\": ([0-9a-f ]+)$"))
            .match(lines[1]);
    ASSERT_TRUE(answer.hasMatch()) << lines[1].toStdString();
    const QByteArray frame = QByteArray::fromHex(answer.captured(2).toLatin1()).right(28);
    EXPECT_EQ(frame.left(8), QByteArray::fromHex("33011c8100000012"));
    EXPECT_EQ(frame.mid(8, 18), server->table(0).left(18));
    EXPECT_EQ(lines[2], QString());
}

TEST_F(GqcCliWithSimulator, ResetIsSentWithTheCredentials)
{
    const CliRun result =
        runOnSimulator({QStringLiteral("--user"), QStringLiteral("0002"), QStringLiteral("--password"),
                        QStringLiteral("222222"), QStringLiteral("--yes"), QStringLiteral("reset")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(server->version(), 14);
}

TEST_F(GqcCliWithSimulator, ResetTakesItsConfirmationAfterTheCommandAsTheReadmeWritesIt)
{
    const CliRun result =
        runOnSimulator({QStringLiteral("reset"), QStringLiteral("--yes"), QStringLiteral("--user"),
                        QStringLiteral("0002"), QStringLiteral("--password"), QStringLiteral("222222")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(server->version(), 14);
}

TEST_F(GqcCliWithSimulator, ARefusedResetSaysWhy)
{
    const CliRun result =
        runOnSimulator({QStringLiteral("--user"), QStringLiteral("0004"), QStringLiteral("--password"),
                        QStringLiteral("444444"), QStringLiteral("--yes"), QStringLiteral("reset")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors,
              QStringLiteral("Команда не может быть выполнена. Команда 25.  Недостаточный уровень доступа\n"));
    EXPECT_EQ(server->version(), 4);
}

TEST_F(GqcCliWithSimulator, SyncClockBringsTheControllerToThePcWithinTheHour)
{
    // Ten minutes off the PC, on the side of its hour with room for them: ahead in
    // the first half, behind in the second. The two clocks share an hour when the
    // program compares them; should the PC's hour turn first, a controller behind
    // goes to the start of the new hour, which is the PC's time to the second.
    const QDateTime now = QDateTime::currentDateTime();
    const bool ahead = now.time().minute() < 30;
    const QDateTime controller = now.addSecs(ahead ? 600 : -600);
    server->setClock(controller);
    CliRun result = runOnSimulator({QStringLiteral("clock")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("В контроллере: ") + controller.toString("dd.MM.yy")));
    // Ten minutes, give or take the seconds the program took to start.
    const QRegularExpression correction(QStringLiteral("Коррекция, с:  %1(59[0-9]|60[0-9])\\n").arg(ahead ? "-" : ""));
    EXPECT_TRUE(result.out.contains(correction)) << result.out.toStdString();

    // As the README writes it: the confirmation after the command.
    result = runOnSimulator({QStringLiteral("--user"), QStringLiteral("0004"), QStringLiteral("--password"),
                             QStringLiteral("444444"), QStringLiteral("sync-clock"), QStringLiteral("--yes")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.out.endsWith(QStringLiteral("Корректировка времени выполнена\n")));
    EXPECT_LE(std::abs(server->clock().secsTo(QDateTime::currentDateTime())), 3);
}

TEST_F(GqcCli, UsageErrorsExitWith2)
{
    const QList<QStringList> wrong = {
        {QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("COM1")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("reset")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("read"), QStringLiteral("1")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("read"), QStringLiteral("1"),
         QStringLiteral("0"), QStringLiteral("0")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("write"), QStringLiteral("5"),
         QStringLiteral("0"), QStringLiteral("4g")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("--address"), QStringLiteral("256"),
         QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("--password"),
         QStringLiteral("thirteen char"), QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("--tcp"), QStringLiteral("h:1"),
         QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral("hostonly"), QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("LPT1"), QStringLiteral("identify")},
        {QStringLiteral("--bogus"), QStringLiteral("1"), QStringLiteral("identify")},
        {QStringLiteral("--trace"), QString(), QStringLiteral("--serial"), QStringLiteral("COM1"),
         QStringLiteral("identify")},
        {QStringLiteral("--trace"), QStringLiteral("/no/such/folder/trace.txt"), QStringLiteral("--serial"),
         QStringLiteral("COM1"), QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("write"), QStringLiteral("22"),
         QStringLiteral("0"), QStringLiteral("000020")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("write"), QStringLiteral("1"),
         QStringLiteral("0"), QStringLiteral("00")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("write"), QStringLiteral("4"),
         QStringLiteral("0"), QString(460, QLatin1Char('0'))},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("write"), QStringLiteral("3"),
         QStringLiteral("3"), QStringLiteral("0101")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("read"), QStringLiteral("5"),
         QStringLiteral("0"), QStringLiteral("2")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("read"), QStringLiteral("38"),
         QStringLiteral("0"), QStringLiteral("1")},
        {QStringLiteral("--tcp"), QStringLiteral("h:1"), QStringLiteral("--phone"), QStringLiteral("1"),
         QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("--modem-init"), QStringLiteral("ATZ"),
         QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("--phone"), QStringLiteral(" "),
         QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("--phone"), QStringLiteral("1"),
         QStringLiteral("--dial-attempts"), QStringLiteral("11"), QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("identify"), QStringLiteral("--bogus")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("reset"), QStringLiteral("--yes"),
         QStringLiteral("now")},
        {QStringLiteral("identify"), QStringLiteral("--serial")},
        {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:65536"), QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:-1"), QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral(":502"), QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral("::1:502"), QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral("[::1]502"), QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral("[::1]:"), QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral("[127.0.0.1]:502"), QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral("[::1]:70000"), QStringLiteral("identify")},
        {QStringLiteral("--tcp"), QStringLiteral("h:1"), QStringLiteral("--send-pause-ms"), QStringLiteral("5001"),
         QStringLiteral("identify")},
        {QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("--send-pause-ms"), QStringLiteral("0"),
         QStringLiteral("identify")},
    };
    for (const QStringList& arguments : wrong) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        // Qt's form of a usage error: the program's name, then what is wrong.
        EXPECT_TRUE(result.errors.startsWith(QStringLiteral("gqc_cli: "))) << result.errors.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST_F(GqcCli, ReportsWhatIsWrongWithTheCommandLine)
{
    const auto errorsOf = [this](const QStringList& arguments) { return run(arguments).errors; };
    EXPECT_EQ(errorsOf({QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("--bogus"),
                        QStringLiteral("identify")}),
              QStringLiteral("gqc_cli: Unknown option 'bogus'.\n"));
    EXPECT_EQ(errorsOf({QStringLiteral("identify"), QStringLiteral("--trace")}),
              QStringLiteral("gqc_cli: Missing value after '--trace'.\n"));
    EXPECT_EQ(errorsOf({QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("reset")}),
              QStringLiteral("gqc_cli: reset clears all non-volatile data of the controller: give --yes to confirm\n"));
    EXPECT_EQ(errorsOf({QStringLiteral("--tcp"), QStringLiteral("localhost:65536"), QStringLiteral("identify")}),
              QStringLiteral("gqc_cli: --tcp: PORT is a number from 1 to 65535 or a service name\n"));
    EXPECT_EQ(errorsOf({QStringLiteral("--tcp"), QStringLiteral("fe80::1:502"), QStringLiteral("identify")}),
              QStringLiteral("gqc_cli: --tcp: HOST:PORT, an IPv6 address in brackets: [ADDRESS]:PORT\n"));
}

TEST_F(GqcCli, HelpAndVersionGoToStandardOutput)
{
    CliRun result = run({QStringLiteral("--help")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errors.isEmpty());
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("Usage: "))) << result.out.toStdString();
    // Every option and both confirmations as the README writes them.
    for (const char* shown : {"--workdir <DIR>",
                              "--trace <FILE>",
                              "--tcp <HOST:PORT>",
                              "--serial <PORT>",
                              "--phone <NUMBER>",
                              "--modem-init <TEXT>",
                              "--dial-attempts <N>",
                              "--connect-wait-s <N>",
                              "--address <N>",
                              "--baud <N>",
                              "--preambles <N>",
                              "--attempts <N>",
                              "--inter-byte-ms <N>",
                              "--answer-timeout-s <N>",
                              "--user <CODE>",
                              "--password <TEXT>",
                              "--yes",
                              "--version",
                              "reset --yes",
                              "sync-clock --yes",
                              "read TABLE FIRST COUNT",
                              "write TABLE FIRST HEXBYTES",
                              "read-config",
                              "[::1]:502",
                              "\"Сохранить в формате Excel\""})
        EXPECT_TRUE(result.out.contains(QString::fromUtf8(shown))) << shown;

    // The usage also follows the link options given with it.
    EXPECT_EQ(
        run({QStringLiteral("--serial"), QStringLiteral("COM1"), QStringLiteral("identify"), QStringLiteral("-h")}).out,
        result.out);

    result = run({QStringLiteral("--version")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, QStringLiteral("gqc_cli %1\n").arg(QLatin1String(ProgramVersion)));
}

TEST_F(GqcCli, WithoutArgumentsPrintsTheUsageAsAUsageError)
{
    process.setProgram(QStringLiteral(GQC_CLI_PATH));
    process.start();
    const CliRun result = finish();
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.errors.startsWith(QStringLiteral("Usage: ")));
    EXPECT_TRUE(result.out.isEmpty());
}

TEST_F(GqcCli, OptionsMayStandAfterTheCommand)
{
    PseudoTerminal terminal;
    ControllerPeer controller(terminal.takeMaster(), tableServer, true);
    const CliRun result = run({QStringLiteral("read"), QStringLiteral("22"), QStringLiteral("4"), QStringLiteral("1"),
                               QStringLiteral("--serial"), terminal.slavePath(), QStringLiteral("--address=9")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("00008004\n"));
    ASSERT_EQ(controller.requests().size(), 1);
    EXPECT_EQ(controller.requests()[0][1], 9);
}

TEST_F(GqcCli, IdentifiesAControllerAtAnIpv6Address)
{
    LoopbackListener listener(LoopbackListener::Family::IPv6);
    if (!listener.listening())
        GTEST_SKIP() << "no IPv6 loopback on this machine";
    start({QStringLiteral("--tcp"), QStringLiteral("[::1]:%1").arg(listener.port()), QStringLiteral("identify")});
    const int connection = listener.accept(10000);
    ASSERT_GE(connection, 0);
    ControllerPeer controller(connection, tableServer, true);
    const CliRun result = finish();
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out, IdentifyLines);
}

TEST_F(GqcCli, RefusedConnectionFailsWithItsOwnText)
{
    std::uint16_t closedPort = 0;
    {
        const LoopbackListener listener;
        closedPort = listener.port();
    }
    const CliRun result =
        run({QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:%1").arg(closedPort), QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, QStringLiteral("Сервер отказал в соединении\n"));
    EXPECT_TRUE(result.out.isEmpty());
}

namespace {

// The simulated controller behind its modem on a pseudo-terminal.
std::unique_ptr<SimServer> controllerBehindModem(const SimModemSettings& modem = {})
{
    SimServerOptions options;
    options.pty = true;
    options.modem = true;
    options.modemSettings = modem;
    auto server = std::make_unique<SimServer>(options);
    QString error;
    EXPECT_TRUE(server->start(&error)) << error.toStdString();
    return server;
}

} // namespace

TEST_F(GqcCli, DialsTheControllerRunsTheCommandAndHangsUp)
{
    const std::unique_ptr<SimServer> server = controllerBehindModem();
    const CliRun result = run({QStringLiteral("--serial"), server->ptyPath(), QStringLiteral("--phone"),
                               QStringLiteral("8 (812) 555-12-34"), QStringLiteral("--modem-init"),
                               QStringLiteral("ATZ^ATS0=0"), QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("Код типа контроллера: 73\n"))) << result.out.toStdString();
    EXPECT_EQ(server->requests().size(), 1);

    // Hung up: the modem takes commands again instead of passing them to the controller.
    std::unique_ptr<SerialTransport> line = SerialTransport::open(server->ptyPath(), SerialLineSettings{});
    ASSERT_TRUE(line);
    ScriptedOperator person;
    const ModemReply reply = ModemDialler(*line, person, std::nullopt).modemCommand("AT\r", 2000);
    EXPECT_TRUE(reply.text.contains("OK")) << reply.text.toStdString();
}

TEST_F(GqcCli, FailedDiallingExitsWithTheResultText)
{
    SimModemSettings modem;
    modem.gsmReady = false;
    const std::unique_ptr<SimServer> server = controllerBehindModem(modem);
    // The initialisation comes from the settings unless given: an "AT+CPAS" that
    // an unready GSM modem answers with ERROR fails it before the GSM check does.
    workdir.write(QStringLiteral("INI/gqc.ini"), "[FON_CONN_PAR]\r\nCommand=AT+CPAS\r\n");
    const QStringList dial{QStringLiteral("--serial"), server->ptyPath(), QStringLiteral("--phone"),
                           QStringLiteral("1")};
    CliRun result = run(dial + QStringList{QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, QStringLiteral("Нет гудка в линии\n"));

    result = run(dial + QStringList{QStringLiteral("--modem-init"), QString(), QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, QStringLiteral("Нет готовности GSM\n"));
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(server->requests().isEmpty());
}
