#include "cli/cli_fixtures.h"
#include "support/windows_config_file.h"

#include <gtest/gtest.h>

namespace {

const QStringList Administrator = {QStringLiteral("--user"), QStringLiteral("0002"), QStringLiteral("--password"),
                                   QStringLiteral("222222")};
const QString GatewayLine =
    QStringLiteral("Табл. 29. Параметры связи по Ethernet. Шлюз по умолчанию: 192.168.1.1 -> 192.168.1.254\n");

// The tables the requests wrote into, in the order they were sent.
QList<int> writtenTables(const QList<QByteArray>& requests)
{
    constexpr char WriteFields = 2;
    QList<int> tables;
    for (const QByteArray& frame : requests)
        if (frame.size() > 21 && frame[3] == WriteFields &&
            (tables.isEmpty() || tables.back() != static_cast<std::uint8_t>(frame[21])))
            tables.append(static_cast<std::uint8_t>(frame[21]));
    return tables;
}

std::unique_ptr<SimServer> unconfiguredController()
{
    SimServerOptions options;
    options.pty = true;
    options.controller.version = 14;
    auto server = std::make_unique<SimServer>(options);
    QString error;
    EXPECT_TRUE(server->start(&error)) << error.toStdString();
    return server;
}

} // namespace

TEST_F(GqcCliWithSimulator, ASavedConfigurationDiffersFromTheControllerOnlyInTheGatewayWrittenSince)
{
    const QString file = workdir.file(QStringLiteral("station"));
    CliRun result = runOnSimulator({QStringLiteral("save-config"), file});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("Параметры конфигурации сохранены в файле station.cnf\n"));
    EXPECT_EQ(workdir.read(QStringLiteral("station.cnf")).size(), 2601);

    result =
        runOnSimulator({QStringLiteral("config-diff"), file + QStringLiteral(".cnf"), QStringLiteral("controller")});
    EXPECT_EQ(result.exitCode, 0) << result.out.toStdString() << result.errors.toStdString();
    EXPECT_TRUE(result.out.isEmpty());

    result = runOnSimulator(Administrator + QStringList{QStringLiteral("write"), QStringLiteral("29"),
                                                        QStringLiteral("2"), QStringLiteral("c0a801fe")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    result =
        runOnSimulator({QStringLiteral("config-diff"), file + QStringLiteral(".cnf"), QStringLiteral("controller")});
    EXPECT_EQ(result.exitCode, 1) << result.errors.toStdString();
    EXPECT_EQ(result.out, GatewayLine);
}

TEST_F(GqcCliWithSimulator, SaveConfigReplacesAFileOnlyWithYes)
{
    workdir.write(QStringLiteral("old.cnf"), "old");
    CliRun result = runOnSimulator({QStringLiteral("save-config"), workdir.file(QStringLiteral("old.cnf"))});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.errors.contains(QStringLiteral("give --yes to replace it"))) << result.errors.toStdString();
    EXPECT_EQ(workdir.read(QStringLiteral("old.cnf")), QByteArray("old"));
    EXPECT_TRUE(server->requests().isEmpty()) << "nothing is read for a file that is not to be written";

    result = runOnSimulator(
        {QStringLiteral("save-config"), workdir.file(QStringLiteral("old.cnf")), QStringLiteral("--yes")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(workdir.read(QStringLiteral("old.cnf")).size(), 2601);
}

TEST_F(GqcCli, ConfigInfoShowsAWindowsMadeFileWithPasswordsOnlyAsSetOrNot)
{
    WindowsConfigFile file;
    file.flowComputers = {{5, 0, 1, 0, "fcpass"}, {6, 1, 1, 1, {}}};
    file.users = {{"MAN", 1, "111111", "0001"}, {"ADM", 2, {}, "0002"}};
    workdir.write(QStringLiteral("windows.cnf"), file.bytes());

    // No link options: the command opens none.
    const CliRun result = run({QStringLiteral("config-info"), workdir.file(QStringLiteral("windows.cnf"))});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("Табл. 13, 17-20. Параметры вычислителей расхода газа\n"
                                                   "  Вычислитель № 1. Адрес: 5\n"
                                                   "  Вычислитель № 1. Тип: ")))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("  Вычислитель № 1. Пароль на запись: задан\n")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("  Вычислитель № 2. Порядок байтов в многобайтных переменных: "
                                                   "Мл. адрес - мл. байт\n")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("  Вычислитель № 2. Пароль на запись: не задан\n")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("Табл. 4. Доступ к таблицам параметров конфигурации\n"
                                                   "  Пользователь 1. Имя пользователя: MAN\n"
                                                   "  Пользователь 1. Уровень допуска: Производитель-наладчик\n"
                                                   "  Пользователь 1. Пароль на запись: задан\n"
                                                   "  Пользователь 1. Код идентификации: задан\n"
                                                   "  Пользователь 2. Имя пользователя: ADM\n"
                                                   "  Пользователь 2. Уровень допуска: Администратор\n"
                                                   "  Пользователь 2. Пароль на запись: не задан\n")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("Табл. 29. Параметры связи по Ethernet\n"
                                                   "  IP-адрес контроллера: 192.168.1.10\n")));
    EXPECT_FALSE(result.out.contains(QStringLiteral("fcpass")));
    EXPECT_FALSE(result.out.contains(QStringLiteral("111111")));
}

TEST_F(GqcCli, ConfigInfoAndConfigDiffRefuseWhatIsNotAConfiguration)
{
    WindowsConfigFile other;
    other.softwareVersion = 14;
    workdir.write(QStringLiteral("v14.cnf"), other.bytes());
    workdir.write(QStringLiteral("good.cnf"), WindowsConfigFile().bytes());

    CliRun result = run({QStringLiteral("config-info"), workdir.file(QStringLiteral("v14.cnf"))});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(
        result.errors,
        QStringLiteral("Файл параметров конфигурации v14.cnf подготовлен\nдля контроллера ККГ с версией ПО 14\n"));
    EXPECT_TRUE(result.out.isEmpty());
    result = run({QStringLiteral("config-info"), workdir.file(QStringLiteral("missing.cnf"))});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, QStringLiteral("Ошибка открытия файла\n"));

    // config-diff keeps 1 for "different": a refused side is 3.
    result = run({QStringLiteral("config-diff"), workdir.file(QStringLiteral("good.cnf")),
                  workdir.file(QStringLiteral("v14.cnf"))});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.out.isEmpty());
    result = run({QStringLiteral("config-diff"), workdir.file(QStringLiteral("good.cnf")),
                  workdir.file(QStringLiteral("good.cnf"))});
    EXPECT_EQ(result.exitCode, 0);
    result = run({QStringLiteral("config-diff"), workdir.file(QStringLiteral("good.cnf"))});
    EXPECT_EQ(result.exitCode, 2);
    // Against the controller a link is needed.
    result =
        run({QStringLiteral("config-diff"), workdir.file(QStringLiteral("good.cnf")), QStringLiteral("controller")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.errors, QStringLiteral("gqc_cli: give --tcp HOST:PORT or --serial PORT\n"));
}

TEST_F(GqcCliWithSimulator, WriteConfigSendsNothingWithoutYesOrForAFileThatFailsItsChecks)
{
    workdir.write(QStringLiteral("good.cnf"), WindowsConfigFile().bytes());
    CliRun result = runOnSimulator({QStringLiteral("write-config"), workdir.file(QStringLiteral("good.cnf"))});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.errors, QStringLiteral("gqc_cli: write-config writes every configuration table into the "
                                            "controller: give --yes to confirm\n"));

    WindowsConfigFile noChromatograph;
    noChromatograph.chromatographAddress = 0;
    workdir.write(QStringLiteral("bad.cnf"), noChromatograph.bytes());
    result = runOnSimulator(
        {QStringLiteral("write-config"), workdir.file(QStringLiteral("bad.cnf")), QStringLiteral("--yes")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, QStringLiteral("Неверно задан адрес хроматографа\n"));
    EXPECT_TRUE(server->requests().isEmpty());
}

TEST_F(GqcCliWithSimulator, WriteConfigLeavesTheClockAndTheUsersOfAWorkingControllerAlone)
{
    WindowsConfigFile file;
    file.gateway[3] = 254;
    file.users = {{"XYZ", 1, "999999", "0009"}};
    workdir.write(QStringLiteral("station.cnf"), file.bytes());
    const CliRun result = runOnSimulator(Administrator + QStringList{QStringLiteral("write-config"),
                                                                     workdir.file(QStringLiteral("station.cnf")),
                                                                     QStringLiteral("--yes")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(writtenTables(server->requests()),
              QList<int>({9, 17, 18, 19, 20, 13, 3, 5, 6, 14, 15, 21, 22, 23, 24, 25, 26, 28, 29}));
    EXPECT_EQ(server->table(29).mid(8, 4), QByteArray::fromHex("c0a801fe"));
    EXPECT_EQ(server->table(4).left(3), QByteArray("MAN")) << "the controller's own users stay";
}

TEST_F(GqcCli, WriteConfigBringsAnUnconfiguredControllerToVersion4WithTheFilesTables)
{
    const std::unique_ptr<SimServer> working = [] {
        SimServerOptions options;
        options.pty = true;
        auto server = std::make_unique<SimServer>(options);
        QString error;
        EXPECT_TRUE(server->start(&error)) << error.toStdString();
        return server;
    }();
    const QString file = workdir.file(QStringLiteral("station.cnf"));
    ASSERT_EQ(run({QStringLiteral("--serial"), working->ptyPath(), QStringLiteral("save-config"), file}).exitCode, 0);
    // The file moves the controller to address 5 and changes its gateway.
    QByteArray bytes = workdir.read(QStringLiteral("station.cnf"));
    bytes[69] = 5;
    bytes[1849 + 11] = static_cast<char>(254);
    workdir.write(QStringLiteral("station.cnf"), bytes);

    const std::unique_ptr<SimServer> unconfigured = unconfiguredController();
    const QStringList line = {QStringLiteral("--serial"), unconfigured->ptyPath()};
    CliRun result = run(line + QStringList{QStringLiteral("--user"), QStringLiteral("0001"),
                                           QStringLiteral("--password"), QStringLiteral("111111"),
                                           QStringLiteral("write-config"), file, QStringLiteral("--yes")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(writtenTables(unconfigured->requests()),
              QList<int>({4, 2, 9, 17, 18, 19, 20, 13, 3, 5, 6, 14, 15, 21, 22, 23, 24, 25, 26, 28, 29}));
    EXPECT_EQ(unconfigured->version(), 4);

    // It restarted at the file's address.
    const QStringList atFileAddress = line + QStringList{QStringLiteral("--address"), QStringLiteral("5")};
    result = run(atFileAddress + QStringList{QStringLiteral("identify")});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("Версия программного обеспечения: 4\n")));
    result = run(atFileAddress + QStringList{QStringLiteral("config-diff"), file, QStringLiteral("controller")});
    EXPECT_EQ(result.exitCode, 0) << result.out.toStdString() << result.errors.toStdString();
}
