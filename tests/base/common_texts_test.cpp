#include "base/common_texts.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <climits>

namespace B = CommonTextBase;

TEST(CommonTexts, EmptyExactlyWhereNoTextBelongsAndOutsideTheList)
{
    const QSet<int> empty = {31,
                             37,
                             B::Units,
                             B::LogEvents + 0,
                             B::LogEvents + 1,
                             B::LogEvents + 5,
                             B::LogEvents + 6,
                             B::LogEvents + 7,
                             B::LogEvents + 8,
                             B::LogEvents + 9};
    for (int i = 0; i < B::Count; ++i)
        EXPECT_EQ(commonText(i).isEmpty(), empty.contains(i)) << "index " << i;
    for (int outside : {-1, B::Count, INT_MIN, INT_MAX})
        EXPECT_TRUE(commonText(outside).isEmpty());
}

TEST(CommonTexts, EveryGroupStartsAndEndsAtItsIndex)
{
    const struct {
        int index;
        const char* text;
    } edges[] = {
        {B::TableNames, " Общие параметры идентификации"},
        {B::TableNames + 36, "Скользящие средние значения данных хроматографа"},
        {B::Units + 1, "МПа"},
        {B::SwitchForbidden - 1, "°C/(кгс/см2)"},
        {B::SwitchForbidden, "Переход запрещен"},
        {B::MonthsNominative, "Январь"},
        {B::MonthsGenitive - 1, "Декабрь"},
        {B::MonthsGenitive, "января"},
        {B::SwitchWeeks - 1, "декабря"},
        {B::SwitchWeeks, "Первый"},
        {B::Weekdays - 1, "Последний"},
        {B::Weekdays, "Воскресенье"},
        {B::WeekdaysShort - 1, "Суббота"},
        {B::WeekdaysShort, "Вс"},
        {B::SummerWinter - 1, "Сб"},
        {B::SummerWinter, "Летнее"},
        {B::LogNames - 1, "Зимнее"},
        {B::LogNames, "Архив диагностики"},
        {B::ModbusModes - 1, "Диап. вр. на стр. арх. качества калибр. хромат."},
        {B::ModbusModes, " ASCII"},
        {B::Parities, "Отсутств."},
        {B::Requirement, "Не треб."},
        {B::WritePeriods - 1, "Треб."},
        {B::WritePeriods, "Не записывать"},
        {B::NoYes, "Нет"},
        {B::ByteOrders - 1, "Есть"},
        {B::ByteOrders, "Мл. адрес -- ст. байт"},
        {B::Zones, " Норма"},
        {B::CalibrationMethods - 1, " Верхняя аварийная зона"},
        {B::CalibrationMethods, "Абс. калибровка"},
        {B::YearChoices, "Предыдущий год"},
        {B::TimeKind, "Тип времени"},
        {B::ShortGasNames, " Суммарная МД гексана и б.т.с."},
        {B::ChromatographAlarms - 1, " Относительная плотность"},
        {B::ChromatographAlarms, "Неудачная автокалибровка"},
        {B::MoistureValues - 1, "Идет ручная калибровка хроматографа"},
        {B::MoistureValues, " Температура точки росы газа WDP при рабочем давлении"},
        {B::MoistureStatusBitsModel0 - 1, " Избыточное давление  газа HDP"},
        {B::MoistureStatusBitsModel0, "Бит 0. General fault condition"},
        {B::MoistureStatusBitsModel0 + 11, "Бит 11. COMM failure"},
        {B::MoistureStatusBitsModel2, "Бит 0. Грязное зеркало"},
        {B::MoistureStatusBitsModel2 + 7, "Бит 7. Изменены часы"},
        {B::Distribution, "Не рассылать"},
        {B::LogEvents - 1, "Ср. за посл. сутки"},
        {B::LogEvents + 2, "Снято напряжение питания"},
        {B::LogEvents + 81, "Нет данных для рассылки"},
        {B::LongGasNamesMolar, " Суммарная молярная доля гексана и б.т.с."},
        {B::LongGasNamesVolume - 1, " Относительная плотность <реального газа>"},
        {B::LongGasNamesVolume, " Суммарная объемная доля гексана и б.т.с."},
        {B::UserLevels - 1, " Относительная плотность <реального газа>"},
        {B::UserLevels, "Нет доступа"},
        {B::Count - 1, "Оператор"},
    };
    for (const auto& edge : edges)
        EXPECT_EQ(commonText(edge.index), QString::fromUtf8(edge.text)) << "index " << edge.index;
}

TEST(CommonTexts, EventTextsKeepTheirInnerQuotationMarks)
{
    EXPECT_EQ(commonText(B::LogEvents + 22), QString::fromUtf8("Значение стало \"ИСТИНА\""));
    EXPECT_EQ(commonText(B::LogEvents + 58), QString::fromUtf8("Знач. признака (бит поля) стало \"ЛОЖЬ\""));
    EXPECT_EQ(commonText(B::LogEvents + 76),
              QString::fromUtf8("Программа перевела контроллер в режим «Ручное управление»"));
}

TEST(CommonTexts, VolumeNamesAreTheMolarNamesWithVolumeFractions)
{
    for (int k = 0; k < 20; ++k) {
        QString expected = commonText(B::LongGasNamesMolar + k);
        expected.replace(QString::fromUtf8("Молярная доля"), QString::fromUtf8("Объемная доля"))
            .replace(QString::fromUtf8("молярная доля"), QString::fromUtf8("объемная доля"))
            .replace(QString::fromUtf8("молярных долей"), QString::fromUtf8("объемных долей"));
        if (k == 12)
            expected.remove(QChar(0x00B0)); // the density is the one name without the degree sign
        EXPECT_EQ(commonText(B::LongGasNamesVolume + k), expected) << "parameter " << k;
    }
    EXPECT_EQ(commonText(B::LongGasNamesMolar + 12), QString::fromUtf8(" Абсолютная  плотность°"));
    EXPECT_EQ(commonText(B::LongGasNamesVolume + 12), QString::fromUtf8(" Абсолютная  плотность"));
    EXPECT_EQ(commonText(B::LongGasNamesVolume + 6), QString::fromUtf8(" Объемная доля  н-пентана (n-C5H12)"));
    EXPECT_EQ(commonText(B::LongGasNamesVolume + 15), QString::fromUtf8(" Сумма объемных долей всех компонентов"));
}

TEST(CommonTexts, LookAlikeLettersAreTheOnesShown)
{
    EXPECT_EQ(commonText(B::Units + 4), QString(QChar(0x0041)));               // unit 42: Latin A
    EXPECT_EQ(commonText(B::Units + 15), QString(QChar(0x0063)));              // unit 53: Latin c
    EXPECT_EQ(commonText(B::Units + 16), QString::fromUtf16(u"\u0441\u0441")); // unit 54: Cyrillic
    EXPECT_EQ(commonText(B::Units + 20).at(2), QChar(0x0063));                 // unit 58: "кгc"
    EXPECT_EQ(commonText(B::Units + 19).right(2), QString::fromLatin1("cc"));
    EXPECT_EQ(commonText(B::Units + 2).at(1), QChar(0x0421));  // unit 40: Cyrillic С
    EXPECT_EQ(commonText(B::Units + 33).at(1), QChar(0x0043)); // unit 71: Latin C
    EXPECT_EQ(commonText(B::ShortGasNames + 15), QString::fromUtf16(u" Сумма мол.долей вс\u0065х компонентов"));
    for (int names : {B::LongGasNamesMolar, B::LongGasNamesVolume})
        EXPECT_TRUE(commonText(names + 17).endsWith(QString::fromUtf16(u"(\u041E2)")));
}

TEST(CommonTexts, ModelNamesAreDistinctAndCloseTheUnnamedStatusBits)
{
    QSet<QString> names;
    for (int i = B::ChromatographModels; i < B::Distribution; ++i) {
        EXPECT_FALSE(commonText(i).trimmed().isEmpty()) << "index " << i;
        names.insert(commonText(i));
    }
    EXPECT_EQ(names.size(), B::Distribution - B::ChromatographModels);

    const struct {
        int statusBits;
        int firstUnnamedBit;
        int model;
    } meters[] = {{B::MoistureStatusBitsModel0, 12, 0}, {B::MoistureStatusBitsModel2, 8, 2}};
    for (const auto& meter : meters)
        for (int bit = meter.firstUnnamedBit; bit < 16; ++bit)
            EXPECT_EQ(
                commonText(meter.statusBits + bit),
                QString::fromUtf8("Бит %1. ? (%2)").arg(bit).arg(commonText(B::MoistureMeterModels + meter.model)));
}

TEST(CommonTexts, EveryTextHasAWindows1251Form)
{
    if (!QStringEncoder("windows-1251").isValid())
        GTEST_SKIP() << "this Qt has no Windows-1251 codec";
    for (int i = 0; i < B::Count; ++i) {
        QStringEncoder encoder("windows-1251"); // an encoder's error flag stays set once raised
        QStringDecoder decoder("windows-1251");
        const QByteArray bytes = encoder.encode(commonText(i));
        EXPECT_FALSE(encoder.hasError()) << "index " << i;
        EXPECT_EQ(QString(decoder.decode(bytes)), commonText(i)) << "index " << i;
    }
}
