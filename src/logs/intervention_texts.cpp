#include "base/common_texts.h"
#include "base/controller_charset.h"
#include "logs/log_record_bytes.h"
#include "logs/log_texts.h"
#include "settings/bit_rate_codes.h"
#include "tables/gas_param_range.h"
#include "tables/system_parameters.h"

#include <QStringList>
#include <cmath>
#include <span>

using namespace LogRecordBytes;

namespace {

// Bytes of an intervention record.
constexpr int RecordLength = 24;
constexpr int TableByte = 7;
constexpr int FieldByte = 8;
constexpr int UnitByte = 9;
constexpr int OldValue = 10;
constexpr int NewValue = 14;
constexpr int OperatorName = 18;
constexpr int OperatorNameLength = 4;
constexpr int ControllerNamePart = 4; // bytes of the name that each value carries

constexpr int UnitCount = CommonTextBase::SwitchForbidden - CommonTextBase::Units;
constexpr int BitRateUnit = 8;
constexpr int Months = 12;
constexpr int Weekdays = 7;
constexpr int ChromatographModels = CommonTextBase::MoistureMeterModels - CommonTextBase::ChromatographModels;
constexpr int MoistureMeterModels = CommonTextBase::FlowComputerModels - CommonTextBase::MoistureMeterModels;
constexpr int FlowComputerModels = CommonTextBase::Distribution - CommonTextBase::FlowComputerModels;
constexpr int WritePeriods = 4;
constexpr int ModbusModes = 2;
constexpr int Parities = 5;
constexpr int ByteOrders = 2;
constexpr int Distributions = 3;

// Tables 13 and 17 to 20 hold one field per flow computer.
constexpr int FlowComputerFields = 16;
constexpr int FirstSetPointTable = 22;
constexpr int SystemTableLength = 10; // table 6

// How the old and new value bytes of a field are shown.
enum class Value {
    None,
    TwoDigits,
    Number,
    Weekday,
    TimeType,
    BitRate,
    ControllerName,
    SwitchMonth,
    SwitchDay,
    NoYes,
    WritePeriod,
    ModbusMode,
    Parity,
    ChromatographModel,
    MoistureMeterModel,
    FlowComputerModel,
    Hex,
    ByteOrder,
    Distribution,
    SetPoint,
};

struct Field {
    const char* name;
    Value value;
};

struct Parameter {
    QString name;
    Value value = Value::None;
};

// A reserved field is named by its table and field number.
constexpr const char* Reserved = nullptr;

constexpr Field DateTimeFields[] = {
    {"Время, год", Value::TwoDigits},       {"Время, месяц", Value::TwoDigits},  {"Время, день", Value::TwoDigits},
    {"Время, час", Value::TwoDigits},       {"Время, минута", Value::TwoDigits}, {"Время, секунда", Value::TwoDigits},
    {"Время, день недели", Value::Weekday}, {"Тип времени", Value::TimeType},
};

constexpr Field UpperLevelPortFields[] = {
    {"Адрес контроллера", Value::Number},
    {"Скорость обмена с ВУ", Value::BitRate},
    {"Кол. преамбул при ответе ВУ", Value::Number},
    {Reserved, Value::None},
};

constexpr Field SystemFields[] = {
    {"Месяц перехода на летнее время", Value::SwitchMonth},
    {"День перехода на летнее время", Value::SwitchDay},
    {"Час перехода на летнее время", Value::Number},
    {"Месяц перехода на зимнее время", Value::SwitchMonth},
    {"День перехода на зимнее время", Value::SwitchDay},
    {"Час перехода на зимнее время", Value::Number},
    {"Контрактный час", Value::Number},
    {"Наличие подключенного хроматографа", Value::NoYes},
    {"Наличие подключенного влагомера", Value::NoYes},
    {Reserved, Value::None},
};

constexpr Field FlowComputerPortFields[] = {
    {"Количество подключенных ВРГ", Value::Number},
    {"Скорость обмена c ВРГ", Value::BitRate},
    {"Количество неудачных опросов ВРГ", Value::Number},
    {"Таймаут ожидания ответа от ВРГ", Value::Number},
    {"Кол. преамбул  в запросе к вычислителю РГ", Value::Number},
    {"Режим записи параметров газа в ВРГ", Value::WritePeriod},
};

// Tables 14 and 15 name their instrument: %1 in the genitive, %2 in the instrumental.
constexpr Field InstrumentPortFields[] = {
    {"Адрес %1", Value::Number},
    {"Скорость обмена c %2", Value::BitRate},
    {"Режим обмена MODBUS с %2", Value::ModbusMode},
    {"Тип четности %1", Value::Parity},
    {"Таймаут ожидания ответа от %1", Value::Number},
    {"Кол. неудачных опросов %1", Value::Number},
    {"Тип %1", Value::ChromatographModel}, // the moisture meter's models in table 15
};

constexpr Field HourlyMeanFields[] = {
    {"Период рассылки параметров газа в ВРГ", Value::Number},
    {Reserved, Value::None},
};

// Tables 13 and 17 to 20: the name ends in the flow computer's number.
struct FlowComputerTable {
    int table;
    Field field;
};

constexpr FlowComputerTable FlowComputerTables[] = {
    {13, {"Пароль на запись в ВРГ", Value::None}},
    {17, {"Тип ВРГ", Value::FlowComputerModel}},
    {18, {"Адрес подключенного ВРГ", Value::Number}},
    {19, {"Необходимость записи парам. газа для т/п ВРГ", Value::Hex}},
    {20, {"Порядок байтов многоб. перем. ВРГ", Value::ByteOrder}},
};

// Tables 21 to 26: the prefix of the gas parameter's name.
constexpr const char* GasParameterPrefixes[] = {"НР   ", "ЗН   ", "НПУ  ", "ВПУ  ", "НДП  ", "ВДП  "};
constexpr int DistributionTable = 21;

std::optional<Parameter> listedParameter(std::span<const Field> fields, int table, int field)
{
    if (field >= static_cast<int>(fields.size()))
        return std::nullopt;
    const Field& listed = fields[static_cast<std::size_t>(field)];
    if (listed.name == Reserved)
        return Parameter{QString::asprintf("Табл.%d.  Резервное поле № %d", table, field)};
    return Parameter{QString::fromUtf8(listed.name), listed.value};
}

Parameter instrumentParameter(int table, int field)
{
    const bool chromatograph = table == 14;
    const Field& listed = InstrumentPortFields[field];
    const QString genitive = chromatograph ? QStringLiteral("хроматографа") : QStringLiteral("влагомера");
    const QString instrumental = chromatograph ? QStringLiteral("хроматографом") : QStringLiteral("влагомером");
    const QString name = QString::fromUtf8(listed.name)
                             .replace(QStringLiteral("%1"), genitive)
                             .replace(QStringLiteral("%2"), instrumental);
    Value value = listed.value;
    if (value == Value::ChromatographModel && !chromatograph)
        value = Value::MoistureMeterModel;
    return {name, value};
}

std::optional<Parameter> flowComputerParameter(int table, int field)
{
    for (const FlowComputerTable& listed : FlowComputerTables) {
        if (listed.table != table)
            continue;
        const QString number = field < FlowComputerFields ? QString::number(field + 1) : QStringLiteral("№ ?");
        return Parameter{QString::fromUtf8(listed.field.name) + u' ' + number, listed.field.value};
    }
    return std::nullopt;
}

Parameter gasParameter(int table, int slot)
{
    const QString name = slot < GasParameterCount ? QString::fromUtf8(GasParameterPrefixes[table - DistributionTable]) +
                                                        gasParameterName(slot)
                                                  : QStringLiteral(" ?");
    return {name, table == DistributionTable ? Value::Distribution : Value::SetPoint};
}

// The name of the changed parameter and how its values are shown; none for a
// field the program does not know.
std::optional<Parameter> changedParameter(int table, int field)
{
    switch (table) {
    case 2:
        return listedParameter(DateTimeFields, table, field);
    case 3:
        return listedParameter(UpperLevelPortFields, table, field);
    case 4:
        return Parameter{QStringLiteral("Параметры доступа пользователя")};
    case 5:
        return Parameter{QStringLiteral("Наименование контроллера"), Value::ControllerName};
    case 6:
        return listedParameter(SystemFields, table, field);
    case 9:
        return listedParameter(FlowComputerPortFields, table, field);
    case 14:
    case 15:
        if (field < static_cast<int>(std::size(InstrumentPortFields)))
            return instrumentParameter(table, field);
        return std::nullopt;
    case 13:
    case 17:
    case 18:
    case 19:
    case 20:
        return flowComputerParameter(table, field);
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
    case 26:
        return gasParameter(table, field);
    case 28:
        return listedParameter(HourlyMeanFields, table, field);
    default:
        return std::nullopt;
    }
}

QString bitRateText(int code)
{
    const std::optional<int> rate = bitRateOfCode(code);
    return rate ? QString::number(*rate) : QStringLiteral("?");
}

QString switchMonthText(int month)
{
    if (month == 0)
        return commonText(CommonTextBase::SwitchForbidden);
    return listText(CommonTextBase::MonthsNominative, Months, month - 1);
}

// A fixed day of the month, or a weekday counted from the start or the end of it.
QString switchDayText(std::uint8_t rule)
{
    QByteArray table(SystemTableLength, '\0');
    table[1] = static_cast<char>(rule); // the summer group's day rule
    const SwitchChoice choice = systemParameterChoices(table).summer;
    if (!choice.byWeekday)
        return QString::number(rule);
    const QStringList weeks = switchWeekItems();
    const QStringList weekdays = weekdayItems();
    const QString week = choice.week >= 0 ? weeks[choice.week] : QStringLiteral("?");
    const QString weekday = choice.weekday >= 0 ? weekdays[choice.weekday] : QStringLiteral("?");
    return week + u' ' + weekday;
}

QString setPointText(float value, int table, int slot)
{
    if (slot >= GasParameterCount || !std::isfinite(value))
        return QStringLiteral("?");
    const auto setPoint = static_cast<GasSetPoint>(table - FirstSetPointTable);
    return fittedValueText(
        QString::number(value, 'f', gasParamRanges(setPoint)[static_cast<std::size_t>(slot)].decimals));
}

QString controllerNameText(QByteArrayView part, const LogDecodingContext& context)
{
    return charactersText(context.namesInCodePage866 ? QByteArrayView(fromControllerCharset(part)) : part);
}

QString valueText(Value value, QByteArrayView record, int offset, const LogDecodingContext& context)
{
    const std::uint8_t byte = byteAt(record, offset);
    switch (value) {
    case Value::None:
        return {};
    case Value::TwoDigits:
        return QString::asprintf("  %02d", byte);
    case Value::Number:
        return QString::number(byte);
    case Value::Weekday:
        return listText(CommonTextBase::Weekdays, Weekdays, byte - 1);
    case Value::TimeType:
        return commonText(CommonTextBase::SummerWinter + (byte == 0 ? 0 : 1));
    case Value::BitRate:
        return bitRateText(byte);
    case Value::ControllerName:
        return controllerNameText(record.sliced(offset, ControllerNamePart), context);
    case Value::SwitchMonth:
        return switchMonthText(byte);
    case Value::SwitchDay:
        return switchDayText(byte);
    case Value::NoYes:
        return commonText(CommonTextBase::NoYes + (byte == 0 ? 0 : 1));
    case Value::WritePeriod:
        return listText(CommonTextBase::WritePeriods, WritePeriods, byte);
    case Value::ModbusMode:
        return listText(CommonTextBase::ModbusModes, ModbusModes, byte);
    case Value::Parity:
        return listText(CommonTextBase::Parities, Parities, byte);
    case Value::ChromatographModel:
        return listText(CommonTextBase::ChromatographModels, ChromatographModels, byte);
    case Value::MoistureMeterModel:
        return listText(CommonTextBase::MoistureMeterModels, MoistureMeterModels, byte);
    case Value::FlowComputerModel:
        return listText(CommonTextBase::FlowComputerModels, FlowComputerModels, byte);
    case Value::Hex:
        return QString::asprintf(" 0x%02X", byte);
    case Value::ByteOrder:
        return listText(CommonTextBase::ByteOrders, ByteOrders, byte);
    case Value::Distribution:
        return listText(CommonTextBase::Distribution, Distributions, byte);
    case Value::SetPoint:
        return setPointText(floatAt(record, offset), byteAt(record, TableByte), byteAt(record, FieldByte));
    }
    return {};
}

} // namespace

std::optional<InterventionText> interventionText(QByteArrayView record, const LogDecodingContext& context)
{
    if (!sound(record, RecordLength))
        return std::nullopt;
    const QString indent(4, u' ');
    InterventionText text;
    text.date = dateText(record, indent);
    text.time = timeText(record, indent);
    text.operatorName = charactersText(record.sliced(OperatorName, OperatorNameLength));
    text.unit = listText(CommonTextBase::Units, UnitCount, byteAt(record, UnitByte));

    const int table = byteAt(record, TableByte);
    const int field = byteAt(record, FieldByte);
    const std::optional<Parameter> parameter = changedParameter(table, field);
    if (!parameter) {
        text.parameter = QString::asprintf("Табл. %d;  Поле %d", table, field);
        return text;
    }
    text.parameter = parameter->name;
    text.oldValue = valueText(parameter->value, record, OldValue, context);
    text.newValue = valueText(parameter->value, record, NewValue, context);
    // A bit rate is always shown in bits per second, whatever unit the record names.
    if (parameter->value == Value::BitRate)
        text.unit = commonText(CommonTextBase::Units + BitRateUnit);
    return text;
}
