#include "tables/config_description.h"

#include "base/byte_view.h"
#include "base/common_texts.h"
#include "base/table_numbers.h"
#include "tables/ethernet_port.h"
#include "tables/flow_computer_port.h"
#include "tables/gas_param_writing.h"
#include "tables/gas_set_points.h"
#include "tables/hourly_mean_period.h"
#include "tables/identification_items.h"
#include "tables/modbus_port.h"
#include "tables/port_choices.h"
#include "tables/system_parameters.h"
#include "tables/table_catalogue.h"
#include "tables/upper_level_port.h"
#include "tables/user_access_rules.h"

#include <algorithm>

namespace {

// How the flow-computer list shows a code no item stands for.
const QString Unknown = QStringLiteral(" ?");
constexpr int UserLevelCount = 5;

// Labels and list items of two lines are read as one.
QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString itemText(const QStringList& items, int index)
{
    return index >= 0 && index < items.size() ? oneLine(items[index]) : Unknown;
}

QString heading(int table)
{
    return QStringLiteral("Табл. %1. %2").arg(table).arg(TableCatalogue::name(table).trimmed());
}

bool blank(const QByteArray& bytes)
{
    return std::ranges::all_of(bytes, [](char b) { return b == ' '; });
}

// Collects the items table by table.
class Description {
public:
    // The items that follow belong to `table` and are shown under `group`
    // (the table's own heading when none is given).
    void startTable(int table, const QString& group = {})
    {
        table_ = table;
        group_ = group.isEmpty() ? heading(table) : group;
    }

    void add(const QString& label, const QString& value) { items_.push_back(item(label, value)); }

    void addSecret(const QString& label, const QByteArray& bytes)
    {
        ConfigItem secret = item(label, {});
        secret.secret = true;
        secret.secretSet = !blank(bytes);
        secret.secretBytes = bytes;
        items_.push_back(std::move(secret));
    }

    std::vector<ConfigItem> take() { return std::move(items_); }

private:
    ConfigItem item(const QString& label, const QString& value) const
    {
        ConfigItem item;
        item.table = table_;
        item.tableName = TableCatalogue::name(table_).trimmed();
        item.group = group_;
        item.label = oneLine(label);
        item.value = oneLine(value);
        return item;
    }

    int table_ = 0;
    QString group_;
    std::vector<ConfigItem> items_;
};

void describeIdentification(const ConfigRecord& record, Description& out)
{
    out.startTable(TableNumber::Identification);
    for (const IdentificationItem& item : identificationItems(byteView(record.table(TableNumber::Identification))))
        if (record.readFromController() || knownOfNewConfiguration(item))
            out.add(item.label, item.value);
}

void describeUpperLevelPort(QByteArrayView table, Description& out)
{
    const UpperLevelPortFields fields = upperLevelPortFields(table);
    out.startTable(TableNumber::UpperLevelPort);
    out.add(QStringLiteral("Адрес контроллера"), fields.address);
    out.add(QStringLiteral("Скорость обмена"), itemText(bitRateItems(), fields.bitRate));
    out.add(QStringLiteral("Кол. преамбул  при ответе ВУ"), fields.preambles);
}

void describeUsers(QByteArrayView table, Description& out)
{
    out.startTable(TableNumber::Users);
    for (int slot = 0; slot < userSlots; ++slot) {
        const UserRecord user = userAt(table, slot);
        const QString prefix = QStringLiteral("Пользователь %1. ").arg(slot + 1);
        const QString name = shownName(user);
        // The access dialog lists a slot without a name as "--".
        out.add(prefix + QStringLiteral("Имя пользователя"), name.isEmpty() ? QStringLiteral("--") : name);
        out.add(prefix + QStringLiteral("Уровень допуска"),
                user.level() < UserLevelCount ? commonText(CommonTextBase::UserLevels + user.level()) : Unknown);
        out.addSecret(prefix + QStringLiteral("Пароль на запись"), user.password());
        out.addSecret(prefix + QStringLiteral("Код идентификации"), user.code());
    }
}

void describeSwitch(Season season, const SwitchChoice& choice, Description& out)
{
    const QString group = season == Season::Summer ? QStringLiteral("Переход на летнее время. ")
                                                   : QStringLiteral("Переход на зимнее время. ");
    out.add(group + QStringLiteral("Месяц перехода"), itemText(switchMonthItems(season), choice.month));
    if (choice.month == 0)
        return; // "Переход запрещен" hides the rest of the group
    out.add(group + QStringLiteral("Способ задания дня перехода"),
            choice.byWeekday ? QStringLiteral("День недели в месяце") : QStringLiteral("День месяца (число)"));
    if (choice.byWeekday) {
        out.add(group + QStringLiteral("Номер \"дня недели\" в месяце"), itemText(switchWeekItems(), choice.week));
        out.add(group + QStringLiteral("День недели"), itemText(weekdayItems(), choice.weekday));
    } else {
        out.add(group + QStringLiteral("День в месяце"), itemText(switchDayItems(season, choice.month), choice.day));
    }
    out.add(group + QStringLiteral("Час перехода"), itemText(switchHourItems(season), choice.hour));
}

void describeSystemParameters(QByteArrayView table, Description& out)
{
    const SystemParameterChoices choices = systemParameterChoices(table);
    out.startTable(TableNumber::SystemParameters);
    out.add(QStringLiteral("Контрактный час"), itemText(contractHourItems(), choices.contractHour));
    out.add(QStringLiteral("Наличие подключенного влагомера"),
            choices.moistureMeter ? QStringLiteral("Да") : QStringLiteral("Нет"));
    describeSwitch(Season::Summer, choices.summer, out);
    describeSwitch(Season::Winter, choices.winter, out);
}

void describeFlowComputerPort(QByteArrayView table, Description& out)
{
    const FlowComputerPortFields fields = flowComputerPortFields(table);
    out.startTable(TableNumber::FlowComputerPort);
    out.add(QStringLiteral("Количество подключенных вычислителей"), fields.count);
    out.add(QStringLiteral("Скорость обмена"), itemText(bitRateItems(), fields.bitRate));
    out.add(QStringLiteral("Количество неудачных обменов подряд, после которого создается диагностическое сообщение"),
            itemText(failedPollItems(), fields.failedExchanges));
    out.add(QStringLiteral("Таймаут ожидания ответа от вычислителя, дс"),
            itemText(flowComputerTimeoutItems(), fields.answerTimeout));
    out.add(QStringLiteral("Кол. преамбул  в запросе к вычислителю"), fields.preambles);
    out.add(QStringLiteral("Режим записи параметров газа в вычислители"),
            itemText(flowComputerWriteModeItems(), fields.writeMode));
    out.add(QStringLiteral("Индекс вычислителя для чтения температуры газа"),
            itemText(temperatureSourceItems(fields.count), fields.temperatureSource));
    out.add(QStringLiteral("Номер нитки вычислителя для чтения температуры газа"),
            itemText(temperaturePipelineItems(), fields.temperaturePipeline));
}

// One record after the other, as the flow-computer list and its record dialog
// show them; each field under the table that holds it.
void describeFlowComputers(const ConfigRecord& record, Description& out)
{
    const QString group = QStringLiteral("Табл. 13, 17-20. Параметры вычислителей расхода газа");
    const std::vector<FlowComputer> computers = record.flowComputers();
    for (std::size_t i = 0; i < computers.size(); ++i) {
        const FlowComputer& computer = computers[i];
        const QStringList row = FlowComputers::rowTexts(computer);
        const QString prefix = QStringLiteral("Вычислитель № %1. ").arg(i + 1);
        out.startTable(TableNumber::FlowComputerAddresses, group);
        out.add(prefix + QStringLiteral("Адрес"), row[0]);
        out.startTable(TableNumber::FlowComputerTypes, group);
        out.add(prefix + QStringLiteral("Тип"), row[1]);
        out.startTable(TableNumber::FlowComputerByteOrders, group);
        out.add(prefix + QStringLiteral("Порядок байтов в многобайтных переменных"), row[2]);
        out.startTable(TableNumber::FlowComputerPipelines, group);
        out.add(prefix + QStringLiteral("Необходимость записи параметров газа для трубопроводов"), row[3]);
        out.startTable(TableNumber::FlowComputerPasswords, group);
        out.addSecret(
            prefix + QStringLiteral("Пароль на запись"),
            QByteArray(reinterpret_cast<const char*>(computer.password.data()), FlowComputer::PasswordLength));
    }
}

void describeModbusPort(ModbusInstrument instrument, QByteArrayView table, Description& out)
{
    const bool chromatograph = instrument == ModbusInstrument::Chromatograph;
    const ModbusPortFields fields = modbusPortFields(instrument, table);
    out.startTable(chromatograph ? TableNumber::ChromatographPort : TableNumber::MoistureMeterPort);
    out.add(chromatograph ? QStringLiteral("Адрес хроматографа") : QStringLiteral("Адрес влагомера"), fields.address);
    // The moisture meter's dialog shows neither the bit rate nor the parity.
    if (chromatograph)
        out.add(QStringLiteral("Скорость обмена"), itemText(bitRateItems(), fields.bitRate));
    out.add(QStringLiteral("Режим обмена MODBUS протокола"), itemText(modbusModeItems(), fields.mode));
    if (chromatograph)
        out.add(QStringLiteral("Тип четности"), itemText(chromatographParityItems(), fields.parity));
    out.add(chromatograph ? QStringLiteral("Таймаут ожидания ответа  от хромотогр., сс")
                          : QStringLiteral("Таймаут ожидания ответа от влагомера, сс"),
            fields.answerTimeout);
    out.add(chromatograph ? QStringLiteral("Кол. неудачных опросов хроматографа подряд, после которого создается "
                                           "диагностическое сообщение")
                          : QStringLiteral("Кол. неудачных опросов влагомера подряд, после которого создается "
                                           "диагностическое сообщение"),
            itemText(failedPollItems(), fields.failedPolls));
    out.add(chromatograph ? QStringLiteral("Тип хроматографа") : QStringLiteral("Тип влагомера"),
            itemText(instrumentModelItems(instrument), fields.model));
}

void describeGasParamWriting(QByteArrayView table, Description& out)
{
    const GasParamWritingChoices choices = gasParamWritingChoices(table);
    out.startTable(TableNumber::GasParamWriting);
    for (int k = 0; k < GasParameterCount; ++k)
        if (hasSetPoints(k))
            out.add(gasParameterName(k).trimmed(), itemText(gasParamWritingItems(), choices[k]));
}

void describeSetPoints(GasSetPoint setPoint, QByteArrayView table, Description& out)
{
    out.startTable(tableNumber(setPoint));
    const auto rows = setPointRows(setPoint, table);
    for (const SetPointRow& row : rows)
        if (row.editable)
            out.add(row.name.trimmed(), row.unit.isEmpty() ? row.value : row.value + QLatin1Char(' ') + row.unit);
}

void describeHourlyMeanPeriod(QByteArrayView table, Description& out)
{
    out.startTable(TableNumber::HourlyMeanPeriod);
    const int choice = hourlyMeanPeriodChoice(table);
    out.add(QStringLiteral("Период записи средних за час значений параметров газа в ВРГ"),
            choice < 0 ? Unknown : itemText(hourlyMeanPeriodItems(), choice) + QStringLiteral(" ч"));
}

void describeEthernetPort(QByteArrayView table, Description& out)
{
    const EthernetPortFields fields = ethernetPortFields(table);
    const auto address = [](const EthernetPortFields::Address& octets) {
        return QStringList(octets.begin(), octets.end()).join(QLatin1Char('.'));
    };
    out.startTable(TableNumber::EthernetPort);
    out.add(QStringLiteral("IP-адрес контроллера"), address(fields.ipAddress));
    out.add(QStringLiteral("Маска подсети"), address(fields.subnetMask));
    out.add(QStringLiteral("Шлюз по умолчанию"), address(fields.gateway));
    const QString portLabels[] = {QStringLiteral("Порт соединения  ВРГ 1"), QStringLiteral("Порт соединения  ВРГ 2"),
                                  QStringLiteral("Порт соединения ККГ 1"), QStringLiteral("Порт соединения ККГ 2")};
    for (std::size_t port = 0; port < fields.ports.size(); ++port)
        out.add(portLabels[port], fields.ports[port]);
}

} // namespace

std::vector<ConfigItem> describeConfiguration(const ConfigRecord& record)
{
    const auto table = [&record](int n) { return byteView(record.table(n)); };
    Description out;
    describeIdentification(record, out);
    describeUpperLevelPort(table(TableNumber::UpperLevelPort), out);
    describeUsers(table(TableNumber::Users), out);
    out.startTable(TableNumber::ControllerName);
    out.add(QStringLiteral("Наименование контроллера"), record.name());
    describeSystemParameters(table(TableNumber::SystemParameters), out);
    describeFlowComputerPort(table(TableNumber::FlowComputerPort), out);
    describeFlowComputers(record, out);
    describeModbusPort(ModbusInstrument::Chromatograph, table(TableNumber::ChromatographPort), out);
    describeModbusPort(ModbusInstrument::MoistureMeter, table(TableNumber::MoistureMeterPort), out);
    describeGasParamWriting(table(TableNumber::GasParamWriting), out);
    for (int k = 0; k < GasSetPointCount; ++k) {
        const auto setPoint = static_cast<GasSetPoint>(k);
        describeSetPoints(setPoint, table(tableNumber(setPoint)), out);
    }
    describeHourlyMeanPeriod(table(TableNumber::HourlyMeanPeriod), out);
    describeEthernetPort(table(TableNumber::EthernetPort), out);
    return out.take();
}

QString shownValue(const ConfigItem& item)
{
    if (item.secret)
        return item.secretSet ? QStringLiteral("задан") : QStringLiteral("не задан");
    return item.value.trimmed();
}
