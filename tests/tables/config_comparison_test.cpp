#include "support/windows_config_file.h"
#include "tables/config_comparison.h"

#include <gtest/gtest.h>

namespace {

const WindowsConfigFile::User Manufacturer{"MAN", 1, "111111", "0001"};
const WindowsConfigFile::User Administrator{"ADM", 2, "222222", "0002"};

} // namespace

TEST(ConfigComparison, AlikeConfigurationsHaveNoDifferences)
{
    WindowsConfigFile file;
    file.users = {Manufacturer, Administrator};
    EXPECT_TRUE(
        configDifferences(describeConfiguration(recordOf(file)), describeConfiguration(recordOf(file))).isEmpty());
}

TEST(ConfigComparison, OneChangedFieldIsOneLine)
{
    WindowsConfigFile before;
    WindowsConfigFile after;
    after.gateway[3] = 254;
    EXPECT_EQ(configDifferences(describeConfiguration(recordOf(before)), describeConfiguration(recordOf(after))),
              QStringList(QStringLiteral(
                  "Табл. 29. Параметры связи по Ethernet. Шлюз по умолчанию: 192.168.1.1 -> 192.168.1.254")));
}

TEST(ConfigComparison, APasswordIsComparedByItsBytesButNeverShown)
{
    WindowsConfigFile before;
    before.flowComputers = {{5, 0, 1, 0, "old"}};
    before.users = {Manufacturer, Administrator};
    WindowsConfigFile after = before;
    after.flowComputers[0].password = "new";
    after.users[0].password = {};
    after.users[1].code = "0009";
    EXPECT_EQ(configDifferences(describeConfiguration(recordOf(before)), describeConfiguration(recordOf(after))),
              QStringList({QStringLiteral("Табл. 4. Доступ к таблицам параметров конфигурации. Пользователь 1. "
                                          "Пароль на запись: задан -> не задан"),
                           QStringLiteral("Табл. 4. Доступ к таблицам параметров конфигурации. Пользователь 2. "
                                          "Код идентификации: изменён"),
                           QStringLiteral("Табл. 13. Пароль на запись в вычислитель расхода газа. Вычислитель № 1. "
                                          "Пароль на запись: изменён")}));
}

TEST(ConfigComparison, AFlowComputerOnOneSideOnlyIsAbsentOnTheOther)
{
    WindowsConfigFile two;
    two.flowComputers = {{1, 0, 1, 0, {}}, {2, 0, 1, 0, {}}};
    WindowsConfigFile three = two;
    three.flowComputers.push_back({3, 2, 7, 1, "x"});
    const QStringList lines =
        configDifferences(describeConfiguration(recordOf(two)), describeConfiguration(recordOf(three)));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("Табл. 9. Параметры связи с ВРГ. Количество подключенных вычислителей: 2 -> 3"));
    EXPECT_EQ(lines[1], QStringLiteral("Табл. 18. Адреса подключенных ВРГ. Вычислитель № 3. Адрес: отсутствует -> 3"));
    EXPECT_EQ(lines[5], QStringLiteral("Табл. 13. Пароль на запись в вычислитель расхода газа. Вычислитель № 3. "
                                       "Пароль на запись: отсутствует -> задан"));
    // And the other way round.
    EXPECT_EQ(configDifferences(describeConfiguration(recordOf(three)), describeConfiguration(recordOf(two)))[1],
              QStringLiteral("Табл. 18. Адреса подключенных ВРГ. Вычислитель № 3. Адрес: 3 -> отсутствует"));
}
