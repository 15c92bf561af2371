#include "tables/flow_computers.h"

#include "base/byte_view.h"
#include "base/common_texts.h"
#include "base/table_numbers.h"
#include "base/windows1251.h"

#include <algorithm>

namespace {

constexpr std::uint8_t LowestAddress = 1;
constexpr std::uint8_t HighestAddress = 254;
// In the split form the password's first 12 bytes and a code in the last 4.
constexpr int SplitPasswordLength = 12;
const QString Unknown = QStringLiteral(" ?");
// Bytes of table 9: the number of flow computers, and the one the gas temperature is read from.
constexpr int PortCount = 0;
constexpr int PortTemperatureSource = 6;

int clampedCount(int count)
{
    return std::clamp(count, 0, FlowComputers::Most);
}

QString textOf(std::span<const std::uint8_t> bytes)
{
    return fromWindows1251(byteView(bytes)).trimmed();
}

// `text` blank-padded into `bytes`, cut at their length.
void fillBlankPadded(std::span<std::uint8_t> bytes, const QString& text)
{
    const QByteArray typed = toWindows1251(text).leftJustified(static_cast<qsizetype>(bytes.size()), ' ', true);
    std::copy(typed.cbegin(), typed.cend(), bytes.begin());
}

} // namespace

namespace FlowComputers {

QStringList typeNames()
{
    QStringList names;
    for (int type = 0; type < Types; ++type)
        names.append(commonText(CommonTextBase::FlowComputerModels + type));
    return names;
}

QStringList byteOrderNames()
{
    return {QStringLiteral(" Мл. адрес - ст. байт"), QStringLiteral(" Мл. адрес - мл. байт")};
}

QStringList rowTexts(const FlowComputer& computer)
{
    return {QString::number(computer.address), computer.type < Types ? typeNames()[computer.type] : Unknown,
            computer.byteOrder < ByteOrders ? byteOrderNames()[computer.byteOrder] : Unknown,
            QStringLiteral("0x") + QStringLiteral("%1").arg(computer.pipelines, 2, 16, QLatin1Char('0')).toUpper()};
}

std::vector<FlowComputer> fromImage(const ParamImage& image, int count)
{
    std::vector<FlowComputer> computers(static_cast<std::size_t>(clampedCount(count)));
    for (std::size_t i = 0; i < computers.size(); ++i) {
        FlowComputer& computer = computers[i];
        computer.address = image.table(TableNumber::FlowComputerAddresses)[i];
        computer.type = image.table(TableNumber::FlowComputerTypes)[i];
        computer.pipelines = image.table(TableNumber::FlowComputerPipelines)[i];
        computer.byteOrder = image.table(TableNumber::FlowComputerByteOrders)[i];
        computer.password.fill(' ');
    }
    return computers;
}

void intoImage(const std::vector<FlowComputer>& computers, ParamImage& image)
{
    const std::size_t count = std::min<std::size_t>(computers.size(), Most);
    for (std::size_t i = 0; i < count; ++i) {
        const FlowComputer& computer = computers[i];
        image.table(TableNumber::FlowComputerAddresses)[i] = computer.address;
        image.table(TableNumber::FlowComputerTypes)[i] = computer.type;
        image.table(TableNumber::FlowComputerPipelines)[i] = computer.pipelines;
        image.table(TableNumber::FlowComputerByteOrders)[i] = computer.byteOrder;
        std::copy(computer.password.cbegin(), computer.password.cend(),
                  image.table(TableNumber::FlowComputerPasswords).begin() +
                      static_cast<std::ptrdiff_t>(i * FlowComputer::PasswordLength));
    }
}

void intoPortTable(int count, std::span<std::uint8_t> port)
{
    if (port.size() <= PortTemperatureSource)
        return;
    port[PortCount] = static_cast<std::uint8_t>(clampedCount(count));
    if (port[PortTemperatureSource] >= port[PortCount])
        port[PortTemperatureSource] = 0;
}

InputCheck checkList(const std::vector<FlowComputer>& computers)
{
    for (std::size_t row = 0; row < computers.size(); ++row) {
        const FlowComputer& computer = computers[row];
        if (computer.address < LowestAddress || computer.address > HighestAddress || computer.type >= Types ||
            computer.byteOrder >= ByteOrders)
            return InputProblem{QStringLiteral("Вычислитель № %1").arg(row + 1),
                                QStringLiteral("Неверно заданы параметры")};
        const auto later = std::find_if(computers.begin() + static_cast<std::ptrdiff_t>(row) + 1, computers.end(),
                                        [&](const FlowComputer& other) { return other.address == computer.address; });
        if (later != computers.end())
            return InputProblem{QStringLiteral("Повтор адреса %1").arg(computer.address), {}};
    }
    return std::nullopt;
}

bool temperatureSourceCounted(std::span<const std::uint8_t> port)
{
    return port.size() > PortTemperatureSource && port[PortTemperatureSource] < port[PortCount];
}

} // namespace FlowComputers

void FlowComputerList::add(const FlowComputer& computer)
{
    if (!canAdd())
        return;
    passwordChanged_.set(computers_.size());
    computers_.push_back(computer);
}

void FlowComputerList::change(int position, const FlowComputer& computer)
{
    if (position < 0 || position >= static_cast<int>(computers_.size()))
        return;
    FlowComputer& changed = computers_[static_cast<std::size_t>(position)];
    if (changed.password != computer.password)
        passwordChanged_.set(static_cast<std::size_t>(position));
    changed = computer;
}

void FlowComputerList::remove(int position)
{
    if (!canRemove() || position < 0 || position >= static_cast<int>(computers_.size()))
        return;
    computers_.erase(computers_.begin() + position);
    for (int i = position; i < FlowComputers::Most - 1; ++i)
        passwordChanged_[static_cast<std::size_t>(i)] = passwordChanged_[static_cast<std::size_t>(i) + 1];
    passwordChanged_.reset(FlowComputers::Most - 1);
}

FlowComputerFields flowComputerFields(const FlowComputer& computer, bool split)
{
    FlowComputerFields fields;
    fields.address = QString::number(computer.address);
    fields.type = computer.type < FlowComputers::Types ? computer.type : -1;
    fields.byteOrder = computer.byteOrder < FlowComputers::ByteOrders ? computer.byteOrder : -1;
    for (int pipeline = 0; pipeline < FlowComputers::Pipelines; ++pipeline)
        fields.pipelines[static_cast<std::size_t>(pipeline)] =
            pipelineOffered(fields.type, pipeline) && (computer.pipelines & (1U << pipeline)) != 0;
    fields.split = split;
    const std::span<const std::uint8_t> password(computer.password);
    fields.password = textOf(split ? password.first(SplitPasswordLength) : password);
    if (split)
        fields.code = textOf(password.subspan(SplitPasswordLength));
    return fields;
}

bool pipelineOffered(int type, int pipeline)
{
    return type >= 0 && type < FlowComputers::Types && (type != FlowComputers::SinglePipelineType || pipeline == 0);
}

InputCheck applyFlowComputerFields(const FlowComputerFields& fields, FlowComputer& computer)
{
    if (fields.address.trimmed().isEmpty() || fields.type < 0 || fields.type >= FlowComputers::Types ||
        fields.byteOrder < 0 || fields.byteOrder >= FlowComputers::ByteOrders)
        return InputProblem{QStringLiteral("Введены не все параметры"), {}};
    bool number = false;
    const int address = fields.address.trimmed().toInt(&number);
    if (!number || address < LowestAddress || address > HighestAddress)
        return InputProblem{QStringLiteral("Адрес вне допускаемого диапазона"), {}};

    computer.address = static_cast<std::uint8_t>(address);
    computer.type = static_cast<std::uint8_t>(fields.type);
    computer.byteOrder = static_cast<std::uint8_t>(fields.byteOrder);
    computer.pipelines = 0;
    for (int pipeline = 0; pipeline < FlowComputers::Pipelines; ++pipeline)
        if (fields.pipelines[static_cast<std::size_t>(pipeline)] && pipelineOffered(fields.type, pipeline))
            computer.pipelines |= static_cast<std::uint8_t>(1U << pipeline);
    storePassword(fields, computer);
    return std::nullopt;
}

void storePassword(const FlowComputerFields& fields, FlowComputer& computer)
{
    const std::span<std::uint8_t> password(computer.password);
    if (fields.split) {
        fillBlankPadded(password.first(SplitPasswordLength), fields.password);
        fillBlankPadded(password.subspan(SplitPasswordLength), fields.code);
    } else {
        fillBlankPadded(password, fields.password);
    }
}
