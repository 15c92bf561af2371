#include "tables/table_catalogue.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The catalogue as the controller's documentation lists it: count, length,
// place in the image (-1: none), configuration flag, name as shown.
const struct {
    int count;
    int length;
    int offset;
    bool configuration;
    const char* name;
} listed[TableCatalogue::TableCount] = {
    {18, 1, 0, false, " Общие параметры идентификации"},                                           // 0
    {0, 0, -1, false, " Наличие значения скорости обмена"},                                        // 1
    {8, 1, 18, true, " Текущие дата и время контроллера"},                                         // 2
    {4, 1, 26, true, " Параметры связи с верхним уровнем (ВУ)"},                                   // 3
    {16, 22, 30, true, " Доступ к таблицам параметров конфигурации"},                              // 4
    {1, 20, 382, true, " Наименование контроллера"},                                               // 5
    {10, 1, 402, true, " Системные параметры"},                                                    // 6
    {38, 1, 412, false, " Состояние таблиц параметров конфигурации"},                              // 7
    {2, 1, 450, false, " Возможность исполнения контроллером его функций"},                        // 8
    {8, 1, 452, true, " Параметры связи с ВРГ"},                                                   // 9
    {2, 4, 460, false, " Граничные индексы записей в архиве диагностики"},                         // 10
    {2, 4, 468, false, " Граничные индексы записей в архиве вмешательств"},                        // 11
    {2, 4, 476, false, " Гран. индексы записей в архиве оценок качества калибровки хроматографа"}, // 12
    {16, 16, 484, true, " Пароль на запись в вычислитель расхода газа"},                           // 13
    {8, 1, 740, true, " Параметры связи с хроматографом по MODBUS прот."},                         // 14
    {8, 1, 748, true, "Параметры связи с влагомером по MODBUS прот."},                             // 15
    {18, 1, 756, false, " Обобщенные признаки наличия нештатных ситуаций"},                        // 16
    {16, 1, 774, true, " Тип вычислителя (корректора) расхода газа"},                              // 17
    {16, 1, 790, true, " Адреса подключенных ВРГ"},                                                // 18
    {16, 1, 806, true, " Необходимость записи параметров газа для трубопроводов ВРГ"},             // 19
    {16, 1, 822, true, " Порядок байтов в многобайтных переменных ВРГ"},                           // 20
    {20, 1, 838, true, " Необходимость записи значений параметров газа в ВРГ"},                    // 21
    {20, 4, 858, true, " Зона нечувствительности изменений параметров газа"},                      // 22
    {20, 4, 938, true, " Нижняя предупредительная уставка параметров газа"},                       // 23
    {20, 4, 1018, true, " Верхняя предупредительная уставка параметров газа"},                     // 24
    {20, 4, 1098, true, " Нижний предел знач. парам. газа, допускаемого для записи в ВРГ"},        // 25
    {20, 4, 1178, true, " Верхний предел знач. парам. газа, допускаемого для записи в ВРГ"},       // 26
    {3, 6, 1258, false, " Дата первой записи в архив мгн. данных хроматографа"},                   // 27
    {2, 1, 1276, true, " Период записи средних за час значений параметров газа в ВРГ"},            // 28
    {7, 4, 1278, true, " Параметры связи по Ethernet"},                                            // 29
    {22, 4, 1306, false, " Мгновенные данные хроматографа"},                                       // 30
    {0, 0, -1, false, ""},                                                                         // 31
    {20, 1, 1394, false, " Зона параметра газа (ЗПГ)"},                                            // 32
    {2, 1, 1414, false, " Наличие связи с  хроматографом"},                                        // 33
    {16, 1, 1416, false, " Наличие связи с  вычислителем расхода газа"},                           // 34
    {16, 1, 1432, false, " Состояние процесса записи параметров в ВРГ"},                           // 35
    {27, 4, 1448, false, "Скользящие средние значения данных хроматографа"},                       // 36
    {7, 4, 1556, false, ""},                                                                       // 37
};

} // namespace

TEST(TableCatalogue, EveryTableHasItsListedShapePlaceFlagAndName)
{
    for (int t = 0; t < TableCatalogue::TableCount; ++t) {
        const TableDescriptor& d = TableCatalogue::descriptor(t);
        EXPECT_EQ(d.fieldCount, listed[t].count) << "table " << t;
        EXPECT_EQ(d.fieldLength, listed[t].length) << "table " << t;
        EXPECT_EQ(d.offset.value_or(-1), listed[t].offset) << "table " << t;
        EXPECT_EQ(d.configuration, listed[t].configuration) << "table " << t;
        EXPECT_EQ(TableCatalogue::name(t), QString::fromUtf8(listed[t].name)) << "table " << t;
    }
    EXPECT_EQ(TableCatalogue::configurationTableCount(), 21);
}

TEST(TableCatalogue, TablesFillTheImageBackToBackWithoutGaps)
{
    int next = 0;
    for (int t = 0; t < TableCatalogue::TableCount; ++t) {
        const TableDescriptor& d = TableCatalogue::descriptor(t);
        EXPECT_EQ(d.offset.has_value(), d.size() > 0) << "table " << t;
        if (d.offset) {
            EXPECT_EQ(*d.offset, next) << "table " << t;
            next += d.size();
        }
    }
    EXPECT_EQ(next, TableCatalogue::ImageSize);
    EXPECT_EQ(TableCatalogue::ImageSize, 1584);
}

TEST(TableCatalogue, OtherNumbersAreNoTables)
{
    for (int t : {-1, 38, 255, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(TableCatalogue::isTable(t));
        const TableDescriptor& d = TableCatalogue::descriptor(t);
        EXPECT_EQ(d.size(), 0);
        EXPECT_FALSE(d.offset);
        EXPECT_FALSE(d.configuration);
        EXPECT_TRUE(TableCatalogue::name(t).isEmpty());
    }
}

TEST(TableCatalogue, ARangeMustLieWithinItsTable)
{
    EXPECT_TRUE(TableCatalogue::contains({4, 0, 16}));
    EXPECT_TRUE(TableCatalogue::contains({4, 11, 5}));
    EXPECT_TRUE(TableCatalogue::contains({4, 16, 0}));
    EXPECT_FALSE(TableCatalogue::contains({4, 11, 6}));
    EXPECT_FALSE(TableCatalogue::contains({4, 255, 255}));
    EXPECT_FALSE(TableCatalogue::contains({1, 0, 1}));
    EXPECT_FALSE(TableCatalogue::contains({38, 0, 0}));
}
