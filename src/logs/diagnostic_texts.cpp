#include "base/common_texts.h"
#include "logs/log_record_bytes.h"
#include "logs/log_texts.h"
#include "tables/gas_param_range.h"

#include <cmath>

using namespace LogRecordBytes;

namespace {

// Bytes of a diagnostic record.
constexpr int RecordLength = 22;
constexpr int CodeByte = 6;
constexpr int ObjectByte = 7;
constexpr int ParameterByte = 8;
constexpr int IndexByte = 9;
constexpr int CurrentValue = 10;
constexpr int SetPointValue = 14;

constexpr int LastEvent = 81;
constexpr int LogObjects = CommonTextBase::ModbusModes - CommonTextBase::LogNames;
constexpr int ChromatographAlarms = CommonTextBase::MoistureValues - CommonTextBase::ChromatographAlarms;
constexpr int MoistureStatusBits = CommonTextBase::MoistureStatusBitsModel2 - CommonTextBase::MoistureStatusBitsModel0;

// Object codes of the link events (10, 11) and of the alarm events (22, 23).
constexpr std::uint8_t Instrument = 0x21;
constexpr std::uint8_t FlowComputer = 0x22;
constexpr std::uint8_t ChromatographAlarm = 200;
constexpr std::uint8_t MoistureMeterStatus = 201;
// Objects of the failed writes (40, 41) that are no table: previous year, base year, time type.
constexpr std::uint8_t FirstYearObject = 242;
constexpr int YearObjects = 3;

QString tableAndIndex(QByteArrayView record)
{
    return QString::asprintf("Табл. = %d  Инд. = %d", byteAt(record, ObjectByte), byteAt(record, IndexByte));
}

QString tableNumber(QByteArrayView record)
{
    return QString::asprintf("Таблица %d", byteAt(record, ObjectByte));
}

// The "a" of "Тaбл." is a Latin letter in these texts.
QString latinTableText(QByteArrayView record)
{
    return QString::asprintf("Тaбл. = %d", byteAt(record, ParameterByte));
}

QString reinitialisedObject(QByteArrayView record)
{
    const int object = byteAt(record, ObjectByte);
    const int log = byteAt(record, ParameterByte);
    if (object >= LogObjects || log >= LogObjects)
        return QStringLiteral(" ?");
    return commonText(CommonTextBase::LogNames + log);
}

QString linkObject(QByteArrayView record)
{
    const int index = byteAt(record, IndexByte);
    switch (byteAt(record, ObjectByte)) {
    case Instrument:
        if (index == 0)
            return QStringLiteral("Хроматограф");
        if (index == 1)
            return QStringLiteral("Влагомер");
        return latinTableText(record);
    case FlowComputer:
        return QString::asprintf("Вычислитель расхода газа (Адр. = %d)", index);
    default:
        return latinTableText(record);
    }
}

// The status-bit texts of the moisture-meter models; model 1 names its bits by number only.
QString moistureMeterStatus(int bit, std::uint8_t model, QByteArrayView record)
{
    if (bit >= MoistureStatusBits)
        return tableAndIndex(record);
    switch (model) {
    case 0:
        return commonText(CommonTextBase::MoistureStatusBitsModel0 + bit);
    case 1:
        return QString::asprintf("Бит %d. ?", bit);
    case 2:
        return commonText(CommonTextBase::MoistureStatusBitsModel2 + bit);
    default:
        return tableAndIndex(record);
    }
}

QString alarmObject(QByteArrayView record, const LogDecodingContext& context)
{
    const int bit = byteAt(record, IndexByte);
    switch (byteAt(record, ObjectByte)) {
    case ChromatographAlarm:
        if (bit < ChromatographAlarms)
            return commonText(CommonTextBase::ChromatographAlarms + bit);
        return tableAndIndex(record);
    case MoistureMeterStatus:
        return moistureMeterStatus(bit, context.moistureMeterType, record);
    default:
        return tableAndIndex(record);
    }
}

QString failedWriteObject(QByteArrayView record)
{
    const int object = byteAt(record, ObjectByte);
    if (object >= FirstYearObject && object < FirstYearObject + YearObjects)
        return commonText(CommonTextBase::YearChoices + object - FirstYearObject);
    return tableNumber(record);
}

bool crossesSetPoint(int code)
{
    return (code >= 12 && code <= 17) || (code >= 44 && code <= 47) || (code >= 60 && code <= 68);
}

// The decimals of a value follow its magnitude; a value too wide for its field shows "?".
QString adaptiveValueText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("NAN");
    if (value == 0)
        return QStringLiteral("0");
    const double magnitude = std::fabs(value);
    if (magnitude < 0.000001)
        return QString::asprintf("%.4e", value);
    struct Step {
        double below;
        int decimals;
    };
    constexpr Step Steps[] = {{0.0001, 5}, {10, 4}, {100, 3}, {1000, 2}, {10000, 1}};
    int decimals = 0;
    for (const Step& step : Steps) {
        if (magnitude < step.below) {
            decimals = step.decimals;
            break;
        }
    }
    return fittedValueText(QString::asprintf("%.*f", decimals, value));
}

void describeSetPointCrossing(QByteArrayView record, DiagnosticText& text)
{
    const int slot = byteAt(record, IndexByte);
    if (slot < GasParameterCount) {
        text.object = gasParameterName(slot);
        text.unit = gasParamRanges(GasSetPoint::LowerWarning)[static_cast<std::size_t>(slot)].unit();
    } else {
        text.object = QStringLiteral("  ?");
    }
    text.currentValue = adaptiveValueText(floatAt(record, CurrentValue));
    text.setPoint = adaptiveValueText(floatAt(record, SetPointValue));
}

void describeObject(QByteArrayView record, const LogDecodingContext& context, DiagnosticText& text)
{
    const int code = byteAt(record, CodeByte);
    if (crossesSetPoint(code)) {
        describeSetPointCrossing(record, text);
        return;
    }
    switch (code) {
    case 2:
    case 3:
    case 81:
        return;
    case 4:
        text.object = reinitialisedObject(record);
        return;
    case 10:
    case 11:
        text.object = linkObject(record);
        return;
    case 22:
    case 23:
        text.object = alarmObject(record, context);
        return;
    case 40:
    case 41:
        text.object = failedWriteObject(record);
        return;
    case 42:
    case 43:
        text.object = tableNumber(record);
        return;
    case 48:
    case 49:
        text.object = QString::asprintf("Вычислитель РГ. (Адр. = %d)", byteAt(record, IndexByte));
        return;
    case 59: // the firmware checksums, old and new
        text.object = QString::asprintf("Старое значение КС = %08X", unsigned32At(record, CurrentValue));
        text.currentValue = QString::asprintf("%08X", unsigned32At(record, SetPointValue));
        return;
    default:
        text.object = tableAndIndex(record);
    }
}

} // namespace

std::optional<DiagnosticText> diagnosticText(QByteArrayView record, const LogDecodingContext& context)
{
    if (!sound(record, RecordLength))
        return std::nullopt;
    const QString indent(2, u' ');
    DiagnosticText text;
    text.date = dateText(record, indent);
    text.time = timeText(record, indent);
    const int code = byteAt(record, CodeByte);
    text.event = code <= LastEvent ? commonText(CommonTextBase::LogEvents + code)
                                   : QString::asprintf("Код диагностики = %d", code);
    describeObject(record, context, text);
    return text;
}
