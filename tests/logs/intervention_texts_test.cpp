#include "base/common_texts.h"
#include "log_records.h"
#include "logs/log_texts.h"
#include "tables/gas_param_range.h"

#include <gtest/gtest.h>

namespace {

// An intervention in `table`, `field` with the old and new value bytes and unit 0.
LogRecord change(int table, int field, int oldValue = 0, int newValue = 0)
{
    LogRecord record(24);
    record.byte(7, table).byte(8, field).byte(10, oldValue).byte(14, newValue);
    return record;
}

InterventionText decoded(const LogRecord& record, const LogDecodingContext& context = {})
{
    const std::optional<InterventionText> text = interventionText(record.sealed(), context);
    EXPECT_TRUE(text.has_value());
    return text.value_or(InterventionText{});
}

struct Shown {
    QString parameter;
    QString oldValue;
    QString newValue;
};

void expectShown(const LogRecord& record, const Shown& expected)
{
    const InterventionText text = decoded(record);
    EXPECT_EQ(text.parameter, expected.parameter);
    EXPECT_EQ(text.oldValue, expected.oldValue);
    EXPECT_EQ(text.newValue, expected.newValue);
}

} // namespace

TEST(InterventionText, StampOperatorAndUnitOfTheRecord)
{
    LogRecord record = change(3, 0, 1, 2);
    record.byte(9, 36).bytes(18, "\xcf\xe5\xf2\xf0"); // "Петр" in Windows-1251
    const InterventionText text = decoded(record);
    EXPECT_EQ(text.date, "    05.03.25");
    EXPECT_EQ(text.time, "    14:30:07");
    EXPECT_EQ(text.operatorName, "Петр") << "the four characters in Windows-1251";
    EXPECT_EQ(text.unit, "°C/(кгс/см2)");
    EXPECT_EQ(decoded(record.bytes(18, QByteArray("ab\0d", 4))).operatorName, "ab");
    EXPECT_EQ(decoded(record.byte(9, 37)).unit, "?");
    EXPECT_EQ(decoded(record.byte(9, 200)).unit, "?");
    EXPECT_EQ(decoded(record.byte(9, 0)).unit, "");
}

TEST(InterventionText, DateAndTimeTable)
{
    expectShown(change(2, 0, 24, 25), {"Время, год", "  24", "  25"});
    expectShown(change(2, 5, 7, 59), {"Время, секунда", "  07", "  59"});
    expectShown(change(2, 6, 1, 7), {"Время, день недели", "Воскресенье", "Суббота"});
    expectShown(change(2, 6, 0, 8), {"Время, день недели", "?", "?"});
    expectShown(change(2, 7, 0, 128), {"Тип времени", "Летнее", "Зимнее"});
    expectShown(change(2, 8, 1, 2), {"Табл. 2;  Поле 8", "", ""});
}

TEST(InterventionText, PortTablesShowBitRatesAndListItems)
{
    const InterventionText rate = decoded(change(3, 1, 11, 21));
    EXPECT_EQ(rate.parameter, "Скорость обмена с ВУ");
    EXPECT_EQ(rate.oldValue, "9600");
    EXPECT_EQ(rate.newValue, "230400");
    EXPECT_EQ(rate.unit, "бит/с") << "whatever unit byte the record holds";
    expectShown(change(3, 1, 22, 255), {"Скорость обмена с ВУ", "?", "?"});
    expectShown(change(3, 3, 1, 2), {"Табл.3.  Резервное поле № 3", "", ""});
    expectShown(change(9, 1, 0, 15), {"Скорость обмена c ВРГ", "300", "19200"});
    expectShown(change(9, 5, 3, 4), {"Режим записи параметров газа в ВРГ", "За сутки (безусл.)", "?"});
    expectShown(change(14, 2, 0, 1), {"Режим обмена MODBUS с хроматографом", " ASCII", " RTU"});
    expectShown(change(14, 3, 4, 5), {"Тип четности хроматографа", "Всегда 1", "?"});
    expectShown(change(14, 6, 2, 7), {"Тип хроматографа", commonText(CommonTextBase::ChromatographModels + 2), "?"});
    expectShown(change(15, 1, 11, 2), {"Скорость обмена c влагомером", "9600", "1200"});
    expectShown(change(15, 6, 2, 3), {"Тип влагомера", commonText(CommonTextBase::MoistureMeterModels + 2), "?"});
    expectShown(change(15, 7, 1, 2), {"Табл. 15;  Поле 7", "", ""});
}

TEST(InterventionText, FlowComputerTablesNameTheFlowComputer)
{
    expectShown(change(13, 0, 1, 2), {"Пароль на запись в ВРГ 1", "", ""});
    expectShown(change(13, 16), {"Пароль на запись в ВРГ № ?", "", ""});
    expectShown(change(17, 2, 3, 4), {"Тип ВРГ 3", commonText(CommonTextBase::FlowComputerModels + 3), "?"});
    expectShown(change(18, 15, 1, 254), {"Адрес подключенного ВРГ 16", "1", "254"});
    expectShown(change(18, 255, 1, 2), {"Адрес подключенного ВРГ № ?", "1", "2"});
    expectShown(change(19, 3, 0x05, 0xA0), {"Необходимость записи парам. газа для т/п ВРГ 4", " 0x05", " 0xA0"});
    expectShown(change(20, 0, 1, 2), {"Порядок байтов многоб. перем. ВРГ 1", "Мл. адрес -- мл. байт", "?"});
}

TEST(InterventionText, SystemParametersShowMonthsAndSwitchDays)
{
    expectShown(change(6, 0, 0, 3), {"Месяц перехода на летнее время", "Переход запрещен", "Март"});
    expectShown(change(6, 3, 12, 13), {"Месяц перехода на зимнее время", "Декабрь", "?"});
    // Bit 7 a weekday rule, bit 6 from the end, bits 5 to 3 the weekday, bits 2 to 0 the week.
    const int lastSunday = 0x80 | 0x40 | (1 << 3) | 1;
    const int secondFriday = 0x80 | (6 << 3) | 2;
    expectShown(change(6, 1, lastSunday, secondFriday),
                {"День перехода на летнее время", "Последний Воскресенье", "Второй Пятница"});
    expectShown(change(6, 4, 25, 0x80 | (0 << 3) | 4), {"День перехода на зимнее время", "25", "? ?"});
    expectShown(change(6, 8, 0, 1), {"Наличие подключенного влагомера", "Нет", "Есть"});
    expectShown(change(6, 9), {"Табл.6.  Резервное поле № 9", "", ""});
    expectShown(change(28, 0, 1, 24), {"Период рассылки параметров газа в ВРГ", "1", "24"});
    expectShown(change(28, 1), {"Табл.28.  Резервное поле № 1", "", ""});
}

TEST(InterventionText, GasParameterTablesShowTheSlotsNameAndDecimals)
{
    LogRecord zone = change(22, 8);
    zone.single(10, 5.0f).single(14, 12.34567f).byte(9, 5);
    const InterventionText zoneText = decoded(zone);
    EXPECT_EQ(zoneText.parameter, "ЗН   " + gasParameterName(8));
    EXPECT_EQ(zoneText.parameter, "ЗН    Молярная доля метана");
    EXPECT_EQ(zoneText.oldValue, "5.0000");
    EXPECT_EQ(zoneText.newValue, "12.3457");
    EXPECT_EQ(zoneText.unit, "%");

    LogRecord lowerWarning = change(23, 8);
    lowerWarning.single(10, 95.0f).single(14, std::numeric_limits<float>::infinity());
    expectShown(lowerWarning, {"НПУ   Молярная доля метана", "95.000", "?"});
    lowerWarning.single(10, 1e15f).single(14, 1e16f); // 19 and 21 characters with the three decimals
    expectShown(lowerWarning, {"НПУ   Молярная доля метана", "999999986991104.000", "?"});

    LogRecord upperLimit = change(26, 20);
    upperLimit.single(10, 1.0f);
    expectShown(upperLimit, {" ?", "?", "?"});

    expectShown(change(21, 8, 1, 3), {"НР    Молярная доля метана", "Ср. за посл. час", "?"});
    expectShown(change(21, 20, 0, 2), {" ?", "Не рассылать", "Ср. за посл. сутки"});
}

TEST(InterventionText, ControllerNameInEitherCodePage)
{
    LogRecord record = change(5, 0);
    record.bytes(10, "\x83\x80\x87\x31").bytes(14, "\x8a\x8a\x83\x00"); // "ГАЗ1", "ККГ" in code page 866
    LogDecodingContext codePage866;
    codePage866.namesInCodePage866 = true;
    const InterventionText text = decoded(record, codePage866);
    EXPECT_EQ(text.parameter, "Наименование контроллера");
    EXPECT_EQ(text.oldValue, "ГАЗ1");
    EXPECT_EQ(text.newValue, "ККГ");

    record.bytes(10, "\xc3\xc0\xc7\x31"); // "ГАЗ1" in Windows-1251
    EXPECT_EQ(decoded(record).oldValue, "ГАЗ1");
}

TEST(InterventionText, UnknownTablesAndFieldsNameTableAndField)
{
    expectShown(change(40, 3, 1, 2), {"Табл. 40;  Поле 3", "", ""});
    expectShown(change(0, 0), {"Табл. 0;  Поле 0", "", ""});
    expectShown(change(9, 6), {"Табл. 9;  Поле 6", "", ""});
    expectShown(change(4, 200, 1, 2), {"Параметры доступа пользователя", "", ""});
}

TEST(InterventionText, DamagedOrShortRecordGivesNone)
{
    QByteArray record = change(3, 0, 1, 2).sealed();
    EXPECT_TRUE(interventionText(record, {}).has_value());
    record[12] = 1;
    EXPECT_FALSE(interventionText(record, {}).has_value());
    const QByteArray whole = change(3, 0, 1, 2).sealed();
    EXPECT_FALSE(interventionText(whole.first(22), {}).has_value());
    EXPECT_FALSE(interventionText(whole + QByteArray(2, '\0'), {}).has_value())
        << "a checksum of zero bytes still holds";
}
