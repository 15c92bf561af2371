#include "base/common_texts.h"
#include "log_records.h"
#include "logs/log_texts.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// A diagnostic message of `code` on object `object` with parameter and index bytes.
LogRecord event(int code, int object = 0, int parameter = 0, int index = 0)
{
    LogRecord record(22);
    record.byte(6, code).byte(7, object).byte(8, parameter).byte(9, index);
    return record;
}

DiagnosticText decoded(const LogRecord& record, const LogDecodingContext& context = {})
{
    const std::optional<DiagnosticText> text = diagnosticText(record.sealed(), context);
    EXPECT_TRUE(text.has_value());
    return text.value_or(DiagnosticText{});
}

QString objectOf(const LogRecord& record, std::uint8_t moistureMeterType = 0)
{
    LogDecodingContext context;
    context.moistureMeterType = moistureMeterType;
    return decoded(record, context).object;
}

// The current value of a set-point crossing as shown.
QString valueShown(float value)
{
    LogRecord record = event(12, 0, 0, 8);
    return decoded(record.single(10, value)).currentValue;
}

} // namespace

TEST(DiagnosticText, StampAndEventText)
{
    const DiagnosticText text = decoded(event(3));
    EXPECT_EQ(text.date, "  05.03.25");
    EXPECT_EQ(text.time, "  14:30:07");
    EXPECT_EQ(text.event, "Подано напряжение питания");
    EXPECT_EQ(text.object, "");
    EXPECT_EQ(decoded(event(81)).event, "Нет данных для рассылки");
    EXPECT_EQ(decoded(event(81)).object, "");
    EXPECT_EQ(decoded(event(5)).event, "");
    EXPECT_EQ(decoded(event(82)).event, "Код диагностики = 82");
    const DiagnosticText unknown = decoded(event(90, 7, 1, 9));
    EXPECT_EQ(unknown.event, "Код диагностики = 90");
    EXPECT_EQ(unknown.object, "Табл. = 7  Инд. = 9");
}

TEST(DiagnosticText, LinkEventsNameTheInstrument)
{
    EXPECT_EQ(objectOf(event(10, 0x21, 7, 0)), "Хроматограф");
    EXPECT_EQ(objectOf(event(11, 0x21, 7, 1)), "Влагомер");
    const QString latinTable = objectOf(event(10, 0x21, 7, 2));
    EXPECT_EQ(latinTable, QStringLiteral("Т") + u'a' + QStringLiteral("бл. = 7"));
    EXPECT_EQ(latinTable[1], QChar(u'a')) << "the a is Latin";
    EXPECT_EQ(objectOf(event(10, 0x22, 7, 3)), "Вычислитель расхода газа (Адр. = 3)");
    EXPECT_EQ(objectOf(event(11, 0x05, 12, 3)), QStringLiteral("Т") + u'a' + QStringLiteral("бл. = 12"));
}

TEST(DiagnosticText, SetPointCrossingsShowTheSlotValuesAndUnit)
{
    LogRecord record = event(12, 0, 0, 8);
    record.single(10, 89.5f).single(14, 90.0f);
    const DiagnosticText text = decoded(record);
    EXPECT_EQ(text.event, "Значение стало ниже нижней АУ");
    EXPECT_EQ(text.object, " Молярная доля метана");
    EXPECT_EQ(text.currentValue, "89.500");
    EXPECT_EQ(text.setPoint, "90.000");
    EXPECT_EQ(text.unit, "%");

    EXPECT_EQ(decoded(event(47, 0, 0, 11)).unit, "МДж/м3");
    EXPECT_EQ(decoded(event(68, 0, 0, 16)).unit, "°С");
    const DiagnosticText beyond = decoded(event(60, 0, 0, 20).single(10, 1.5f));
    EXPECT_EQ(beyond.object, "  ?");
    EXPECT_EQ(beyond.unit, "");
    EXPECT_EQ(beyond.currentValue, "1.5000");
    EXPECT_EQ(decoded(event(18, 0, 0, 8)).object, "Табл. = 0  Инд. = 8") << "18 is no crossing of this kind";
}

TEST(DiagnosticText, AdaptiveDecimalsAtEachThreshold)
{
    EXPECT_EQ(valueShown(std::numeric_limits<float>::quiet_NaN()), "NAN");
    EXPECT_EQ(valueShown(-std::numeric_limits<float>::infinity()), "NAN");
    EXPECT_EQ(valueShown(0.0f), "0");
    EXPECT_EQ(valueShown(-0.0f), "0");
    EXPECT_EQ(valueShown(5e-7f), "5.0000e-07");
    EXPECT_EQ(valueShown(-5e-7f), "-5.0000e-07");
    EXPECT_EQ(valueShown(2e-6f), "0.00000");
    EXPECT_EQ(valueShown(0.00005f), "0.00005");
    EXPECT_EQ(valueShown(0.00025f), "0.0003");
    EXPECT_EQ(valueShown(9.5f), "9.5000");
    EXPECT_EQ(valueShown(10.0f), "10.000");
    EXPECT_EQ(valueShown(-99.5f), "-99.500");
    EXPECT_EQ(valueShown(100.0f), "100.00");
    EXPECT_EQ(valueShown(999.5f), "999.50");
    EXPECT_EQ(valueShown(1000.0f), "1000.0");
    EXPECT_EQ(valueShown(9999.5f), "9999.5");
    EXPECT_EQ(valueShown(10000.0f), "10000");
    EXPECT_EQ(valueShown(123456.0f), "123456");
    EXPECT_EQ(valueShown(-1e18f), "-999999984306749440");
    EXPECT_EQ(valueShown(-1e19f), "?") << "too wide for the value field of a saved row";
    EXPECT_EQ(valueShown(3e38f), "?");
}

TEST(DiagnosticText, FirmwareChecksums)
{
    LogRecord record = event(59);
    record.unsigned32(10, 0x0012ABCD).unsigned32(14, 0x9ABCDEF0);
    const DiagnosticText text = decoded(record);
    EXPECT_EQ(text.event, "Изменилась контрольная сумма прошивки");
    EXPECT_EQ(text.object, "Старое значение КС = 0012ABCD");
    EXPECT_EQ(text.currentValue, "9ABCDEF0");
    EXPECT_EQ(text.setPoint, "");
}

TEST(DiagnosticText, ReinitialisedObjectOnlyWithinTheList)
{
    EXPECT_EQ(objectOf(event(4, 0, 3)), "Глобальные индексы архива вмешательств");
    EXPECT_EQ(objectOf(event(4, 9, 9)), "Диап. вр. на стр. арх. качества калибр. хромат.");
    EXPECT_EQ(objectOf(event(4, 0, 10)), " ?") << "the name's index beyond the list";
    EXPECT_EQ(objectOf(event(4, 10, 0)), " ?");
    EXPECT_EQ(objectOf(event(4, 255, 255)), " ?");
}

TEST(DiagnosticText, ChromatographAlarmsAndMoistureMeterStatusBits)
{
    EXPECT_EQ(objectOf(event(22, 200, 0, 0)), "Неудачная автокалибровка");
    EXPECT_EQ(objectOf(event(23, 200, 0, 16)), "Идет ручная калибровка хроматографа");
    EXPECT_EQ(objectOf(event(22, 200, 0, 17)), "Табл. = 200  Инд. = 17");

    EXPECT_EQ(objectOf(event(22, 201, 0, 3), 0), commonText(CommonTextBase::MoistureStatusBitsModel0 + 3));
    EXPECT_EQ(objectOf(event(22, 201, 0, 3), 0).left(19), "Бит 3. WDP too high");
    EXPECT_EQ(objectOf(event(23, 201, 0, 15), 2), commonText(CommonTextBase::MoistureStatusBitsModel2 + 15));
    EXPECT_EQ(objectOf(event(23, 201, 0, 0), 2).left(22), "Бит 0. Грязное зеркало");
    EXPECT_EQ(objectOf(event(22, 201, 0, 5), 1), "Бит 5. ?");
    EXPECT_EQ(objectOf(event(22, 201, 0, 16), 0), "Табл. = 201  Инд. = 16");
    EXPECT_EQ(objectOf(event(22, 201, 0, 3), 3), "Табл. = 201  Инд. = 3");
    EXPECT_EQ(objectOf(event(22, 7, 0, 3)), "Табл. = 7  Инд. = 3");
}

TEST(DiagnosticText, TablesYearsAndFlowComputers)
{
    EXPECT_EQ(objectOf(event(40, 242)), "Предыдущий год");
    EXPECT_EQ(objectOf(event(41, 244)), "Тип времени");
    EXPECT_EQ(objectOf(event(40, 245)), "Таблица 245");
    EXPECT_EQ(objectOf(event(41, 5)), "Таблица 5");
    EXPECT_EQ(objectOf(event(42, 22)), "Таблица 22");
    EXPECT_EQ(objectOf(event(43, 37)), "Таблица 37");
    EXPECT_EQ(objectOf(event(48, 0, 0, 7)), "Вычислитель РГ. (Адр. = 7)");
    EXPECT_EQ(objectOf(event(49, 0, 0, 254)), "Вычислитель РГ. (Адр. = 254)");
}

TEST(DiagnosticText, DamagedOrShortRecordGivesNone)
{
    QByteArray record = event(3).sealed();
    EXPECT_TRUE(diagnosticText(record, {}).has_value());
    record[20] = static_cast<char>(record[20] ^ 1);
    EXPECT_FALSE(diagnosticText(record, {}).has_value());
    EXPECT_FALSE(diagnosticText(event(3).sealed().first(21), {}).has_value());
    EXPECT_FALSE(diagnosticText({}, {}).has_value());
}
