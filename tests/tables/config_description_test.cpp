#include "support/windows_config_file.h"
#include "tables/config_description.h"

#include <gtest/gtest.h>

namespace {

// The value the item of `table` with `label` shows; "(none)" when there is no such item.
QString shown(const std::vector<ConfigItem>& items, int table, const QString& label)
{
    for (const ConfigItem& item : items)
        if (item.table == table && item.label == label)
            return shownValue(item);
    return QStringLiteral("(none)");
}

const ConfigItem* itemOf(const std::vector<ConfigItem>& items, int table, const QString& label)
{
    const auto found =
        std::ranges::find_if(items, [&](const ConfigItem& item) { return item.table == table && item.label == label; });
    return found == items.end() ? nullptr : &*found;
}

const WindowsConfigFile::User Manufacturer{"MAN", 1, "111111", "0001"};

} // namespace

TEST(ConfigDescription, ShowsANewConfigurationAsItsDialogsDo)
{
    const std::vector<ConfigItem> items = describeConfiguration(ConfigRecord());
    // A configuration created new knows only the type and the software version.
    EXPECT_EQ(std::ranges::count_if(items, [](const ConfigItem& item) { return item.table == 0; }), 2);
    EXPECT_EQ(shown(items, 0, QStringLiteral("Код типа контроллера")), QStringLiteral("73"));
    EXPECT_EQ(shown(items, 3, QStringLiteral("Адрес контроллера")), QStringLiteral("1"));
    EXPECT_EQ(shown(items, 3, QStringLiteral("Скорость обмена")), QStringLiteral("9600"));
    EXPECT_EQ(shown(items, 6, QStringLiteral("Контрактный час")), QStringLiteral("9:00"));
    EXPECT_EQ(shown(items, 6, QStringLiteral("Переход на летнее время. Месяц перехода")), QStringLiteral("Март"));
    EXPECT_EQ(shown(items, 6, QStringLiteral("Переход на летнее время. Номер \"дня недели\" в месяце")),
              QStringLiteral("Последний"));
    EXPECT_EQ(shown(items, 6, QStringLiteral("Переход на зимнее время. День недели")), QStringLiteral("Воскресенье"));
    EXPECT_EQ(shown(items, 6, QStringLiteral("Переход на зимнее время. Час перехода")), QStringLiteral("4:00"));
    EXPECT_EQ(shown(items, 9, QStringLiteral("Режим записи параметров газа в вычислители")),
              QStringLiteral("Записывать средние за закончившийся час при условии отклонения их от значений в ВРГ"));
    EXPECT_EQ(shown(items, 14, QStringLiteral("Тип четности")), QStringLiteral("Бит четн. отсутствует"));
    EXPECT_EQ(shown(items, 21, QStringLiteral("Молярная доля азота")), QStringLiteral("Записывать"));
    EXPECT_EQ(shown(items, 21, QStringLiteral("Молярная доля метана")), QStringLiteral("Не записывать"));
    EXPECT_TRUE(shown(items, 23, QStringLiteral("Молярная доля метана")).startsWith(QStringLiteral("95.000 ")));
    EXPECT_EQ(shown(items, 28, QStringLiteral("Период записи средних за час значений параметров газа в ВРГ")),
              QStringLiteral("1 ч"));
    EXPECT_EQ(shown(items, 29, QStringLiteral("Шлюз по умолчанию")), QStringLiteral("0.0.0.0"));
    // The unused gas parameters are never shown for editing.
    EXPECT_EQ(shown(items, 22, QStringLiteral("Температура газа")), QStringLiteral("(none)"));
    for (const ConfigItem& item : items)
        EXPECT_EQ(item.tableName, item.tableName.trimmed()) << item.label.toStdString();
}

TEST(ConfigDescription, ShowsThePasswordsAndCodesOnlyAsSetOrNot)
{
    WindowsConfigFile file;
    file.flowComputers = {{5, 0, 1, 0, "flowsecret"}, {6, 1, 1, 1, {}}};
    file.users = {Manufacturer, {"ADM", 2, {}, "0002"}};
    const std::vector<ConfigItem> items = describeConfiguration(recordOf(file));

    const ConfigItem* flowPassword = itemOf(items, 13, QStringLiteral("Вычислитель № 1. Пароль на запись"));
    ASSERT_NE(flowPassword, nullptr);
    EXPECT_TRUE(flowPassword->secret && flowPassword->secretSet);
    EXPECT_EQ(flowPassword->secretBytes, QByteArray("flowsecret      "));
    EXPECT_EQ(shown(items, 13, QStringLiteral("Вычислитель № 2. Пароль на запись")), QStringLiteral("не задан"));
    EXPECT_EQ(shown(items, 4, QStringLiteral("Пользователь 1. Пароль на запись")), QStringLiteral("задан"));
    EXPECT_EQ(shown(items, 4, QStringLiteral("Пользователь 1. Код идентификации")), QStringLiteral("задан"));
    EXPECT_EQ(shown(items, 4, QStringLiteral("Пользователь 2. Пароль на запись")), QStringLiteral("не задан"));
    EXPECT_EQ(shown(items, 4, QStringLiteral("Пользователь 2. Уровень допуска")), QStringLiteral("Администратор"));
    EXPECT_EQ(shown(items, 4, QStringLiteral("Пользователь 3. Имя пользователя")), QStringLiteral("--"));
    for (const ConfigItem& item : items) {
        EXPECT_FALSE(item.secret && !item.value.isEmpty()) << item.label.toStdString();
        for (const char* secret : {"flowsecret", "111111", "0001", "0002"})
            EXPECT_FALSE(shownValue(item).contains(QLatin1String(secret))) << item.label.toStdString();
    }
}

TEST(ConfigDescription, ListsTheFlowComputersOneRecordAfterTheOther)
{
    WindowsConfigFile file;
    file.flowComputers = {{5, 0, 1, 0, {}}, {7, 9, 5, 2, {}}};
    const std::vector<ConfigItem> items = describeConfiguration(recordOf(file));
    QStringList labels;
    for (const ConfigItem& item : items)
        if (item.label.startsWith(QStringLiteral("Вычислитель № ")))
            labels.append(QStringLiteral("%1 %2").arg(item.table).arg(item.label.section(QStringLiteral(". "), 1)));
    EXPECT_EQ(labels,
              QStringList({QStringLiteral("18 Адрес"), QStringLiteral("17 Тип"),
                           QStringLiteral("20 Порядок байтов в многобайтных переменных"),
                           QStringLiteral("19 Необходимость записи параметров газа для трубопроводов"),
                           QStringLiteral("13 Пароль на запись"), QStringLiteral("18 Адрес"), QStringLiteral("17 Тип"),
                           QStringLiteral("20 Порядок байтов в многобайтных переменных"),
                           QStringLiteral("19 Необходимость записи параметров газа для трубопроводов"),
                           QStringLiteral("13 Пароль на запись")}));
    // Codes no list item stands for show as the flow-computer list shows them.
    EXPECT_EQ(shown(items, 18, QStringLiteral("Вычислитель № 2. Адрес")), QStringLiteral("7"));
    EXPECT_EQ(shown(items, 17, QStringLiteral("Вычислитель № 2. Тип")), QStringLiteral("?"));
    EXPECT_EQ(shown(items, 20, QStringLiteral("Вычислитель № 2. Порядок байтов в многобайтных переменных")),
              QStringLiteral("?"));
    EXPECT_EQ(
        shown(items, 19, QStringLiteral("Вычислитель № 2. Необходимость записи параметров газа для трубопроводов")),
        QStringLiteral("0x05"));
    EXPECT_EQ(shown(items, 20, QStringLiteral("Вычислитель № 1. Порядок байтов в многобайтных переменных")),
              QStringLiteral("Мл. адрес - ст. байт"));
}

TEST(ConfigDescription, ShowsCodesNoListHoldsAsUnknownAndHidesASeasonWithoutSwitch)
{
    ConfigRecord record;
    record.table(3)[1] = 40; // bit-rate code past the list
    record.table(6)[0] = 0;  // no summer switch
    record.table(6)[6] = 30; // contract hour
    record.table(28)[0] = 5; // a period the list does not offer
    record.table(14)[2] = 7; // MODBUS mode
    const std::vector<ConfigItem> items = describeConfiguration(record);
    EXPECT_EQ(shown(items, 3, QStringLiteral("Скорость обмена")), QStringLiteral("?"));
    EXPECT_EQ(shown(items, 6, QStringLiteral("Контрактный час")), QStringLiteral("?"));
    EXPECT_EQ(shown(items, 28, QStringLiteral("Период записи средних за час значений параметров газа в ВРГ")),
              QStringLiteral("?"));
    EXPECT_EQ(shown(items, 14, QStringLiteral("Режим обмена MODBUS протокола")), QStringLiteral("?"));
    EXPECT_EQ(shown(items, 6, QStringLiteral("Переход на летнее время. Месяц перехода")),
              QStringLiteral("Переход запрещен"));
    EXPECT_EQ(shown(items, 6, QStringLiteral("Переход на летнее время. Час перехода")), QStringLiteral("(none)"));
    EXPECT_EQ(shown(items, 6, QStringLiteral("Переход на зимнее время. Час перехода")), QStringLiteral("4:00"));
}
