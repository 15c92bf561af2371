#include "tables/config_record.h"

#include "base/byte_view.h"
#include "base/table_numbers.h"
#include "base/windows1251.h"
#include "tables/controller_name.h"
#include "tables/gas_param_writing.h"
#include "tables/gas_set_points.h"
#include "tables/identification.h"
#include "tables/table_catalogue.h"
#include "tables/user_access_rules.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Where the record keeps each table it keeps whole; the length is the table's.
struct TablePlace {
    int table;
    int offset;
};

// The set-point tables sit in slots of 45 floats of which the table takes 20.
constexpr int SetPointSlot = 180;
constexpr int SetPointsOffset = 939;

constexpr TablePlace Places[] = {
    {TableNumber::Identification, 1},
    {TableNumber::ControllerName, 29},
    {TableNumber::UpperLevelPort, 69},
    {TableNumber::SystemParameters, 173},
    {TableNumber::ChromatographPort, 283},
    {TableNumber::MoistureMeterPort, 341},
    {TableNumber::GasParamWriting, 819},
    // Tables 22 to 26, the set-points.
    {22, SetPointsOffset},
    {23, SetPointsOffset + SetPointSlot},
    {24, SetPointsOffset + 2 * SetPointSlot},
    {25, SetPointsOffset + 3 * SetPointSlot},
    {26, SetPointsOffset + 4 * SetPointSlot},
    {TableNumber::HourlyMeanPeriod, 1839},
    {TableNumber::EthernetPort, 1849},
    {TableNumber::Users, 1941},
    {TableNumber::FlowComputerPort, 2393},
};

// Flow computer i at 399 + 20 × i: address, type, pipelines, byte order, password.
constexpr int FlowComputersOffset = 399;
constexpr int FlowComputerRecordLength = 20;
constexpr int AddressByte = 0;
constexpr int TypeByte = 1;
constexpr int PipelinesByte = 2;
constexpr int ByteOrderByte = 3;
constexpr int PasswordByte = 4;

constexpr int InstrumentAddressByte = 0; // of tables 14 and 15
constexpr int MoistureMeterByte = 8;     // of table 6

// The user slot's bytes a free slot has blank: name, password and code.
constexpr int UserNameBytes = 4;
constexpr int UserLevelByte = 4;
constexpr int UserWrittenAsZeroByte = 5;
constexpr int UserSecretsFirst = 6;

template <typename Bytes> auto tableIn(Bytes& bytes, int n)
{
    using Span = decltype(std::span(bytes).subspan(0, 0));
    const auto place =
        std::find_if(std::begin(Places), std::end(Places), [n](const TablePlace& p) { return p.table == n; });
    if (place == std::end(Places))
        return Span();
    return std::span(bytes).subspan(static_cast<std::size_t>(place->offset),
                                    static_cast<std::size_t>(TableCatalogue::descriptor(n).size()));
}

void fill(std::span<std::uint8_t> table, std::initializer_list<std::uint8_t> values)
{
    std::copy(values.begin(), values.end(), table.begin());
}

void fill(std::span<std::uint8_t> table, QByteArrayView values)
{
    std::copy(values.begin(), values.end(), table.begin());
}

// A free slot keeps nothing of a user who had it; byte 5 is always written as 0.
void tidyUserSlot(std::span<std::uint8_t> slot)
{
    if (slot[UserLevelByte] == UserRecord::NoAccess) {
        std::fill_n(slot.begin(), UserNameBytes, ' ');
        std::fill(slot.begin() + UserSecretsFirst, slot.end(), ' ');
    }
    slot[UserWrittenAsZeroByte] = 0;
}

void tidyUserTable(std::span<std::uint8_t> users)
{
    for (int slot = 0; slot < userSlots; ++slot)
        tidyUserSlot(users.subspan(static_cast<std::size_t>(slot * UserRecord::size), UserRecord::size));
}

InputProblem wrongly(const char* what)
{
    return InputProblem{QString::fromUtf8(what), {}};
}

void copyTable(const ConfigRecord& record, ParamImage& image, int table)
{
    const std::span<const std::uint8_t> from = record.table(table);
    std::copy(from.begin(), from.end(), image.table(table).begin());
}

} // namespace

ConfigRecord::ConfigRecord()
{
    Identification identification;
    identification.setTypeCode(Identification::ServedTypeCode);
    identification.setSoftwareVersion(Identification::ServedSoftwareVersion);
    fill(table(TableNumber::Identification), byteView(std::span(identification.bytes())));
    std::ranges::fill(table(TableNumber::ControllerName), ' ');
    fill(table(TableNumber::UpperLevelPort), {1, 11, 3, 0});
    // Summer time from the last Sunday of March at 3 h, winter time from the
    // last Sunday of October at 4 h, then the other system parameters.
    fill(table(TableNumber::SystemParameters), {3, 201, 3, 10, 201, 4, 9, 1, 1, 0});
    fill(table(TableNumber::ChromatographPort), {1, 11, 0, 0, 150, 5, 2, 0});
    fill(table(TableNumber::MoistureMeterPort), {1, 11, 0, 0, 150, 5, 0, 0});
    fill(table(TableNumber::FlowComputerPort), {1, 11, 5, 20, 3, 1, 0, 1});
    for (int i = 0; i < FlowComputers::Most; ++i)
        std::fill_n(bytes_.begin() + FlowComputersOffset + FlowComputerRecordLength * i + PasswordByte,
                    FlowComputer::PasswordLength, ' ');
    const QByteArray freeSlot = UserRecord().bytes();
    for (int slot = 0; slot < userSlots; ++slot)
        std::ranges::copy(freeSlot, table(TableNumber::Users).begin() + slot * UserRecord::size);
    fill(table(TableNumber::GasParamWriting), defaultGasParamWritingTable());
    for (int k = 0; k < GasSetPointCount; ++k) {
        const auto setPoint = static_cast<GasSetPoint>(k);
        fill(table(tableNumber(setPoint)), defaultSetPointTable(setPoint));
    }
    fill(table(TableNumber::HourlyMeanPeriod), {1, 0});
}

ConfigRecord ConfigRecord::fromImage(const ParamImage& image)
{
    ConfigRecord record;
    record.bytes_[OriginOffset] = 1;
    for (const TablePlace& place : Places) {
        const std::span<const std::uint8_t> from = image.table(place.table);
        std::copy(from.begin(), from.end(), record.table(place.table).begin());
    }
    // Table 9 is taken as the controller holds it, its count included.
    const int count = image.table(TableNumber::FlowComputerPort)[0];
    record.putFlowComputers(FlowComputers::fromImage(image, count));
    return record;
}

std::span<std::uint8_t> ConfigRecord::table(int n)
{
    return tableIn(bytes_, n);
}

std::span<const std::uint8_t> ConfigRecord::table(int n) const
{
    return tableIn(bytes_, n);
}

bool ConfigRecord::moistureMeterConnected() const
{
    return table(TableNumber::SystemParameters)[MoistureMeterByte] != 0;
}

int ConfigRecord::flowComputerCount() const
{
    return table(TableNumber::FlowComputerPort)[0];
}

std::vector<FlowComputer> ConfigRecord::flowComputers() const
{
    std::vector<FlowComputer> computers(static_cast<std::size_t>(std::min(flowComputerCount(), FlowComputers::Most)));
    for (std::size_t i = 0; i < computers.size(); ++i) {
        const auto* at = bytes_.data() + FlowComputersOffset + FlowComputerRecordLength * i;
        FlowComputer& computer = computers[i];
        computer.address = at[AddressByte];
        computer.type = at[TypeByte];
        computer.pipelines = at[PipelinesByte];
        computer.byteOrder = at[ByteOrderByte];
        std::copy_n(at + PasswordByte, FlowComputer::PasswordLength, computer.password.begin());
    }
    return computers;
}

void ConfigRecord::setFlowComputers(const std::vector<FlowComputer>& computers)
{
    putFlowComputers(computers);
    FlowComputers::intoPortTable(static_cast<int>(computers.size()), table(TableNumber::FlowComputerPort));
}

void ConfigRecord::putFlowComputers(const std::vector<FlowComputer>& computers)
{
    const std::size_t count = std::min<std::size_t>(computers.size(), FlowComputers::Most);
    for (std::size_t i = 0; i < count; ++i) {
        auto* at = bytes_.data() + FlowComputersOffset + FlowComputerRecordLength * i;
        const FlowComputer& computer = computers[i];
        at[AddressByte] = computer.address;
        at[TypeByte] = computer.type;
        at[PipelinesByte] = computer.pipelines;
        at[ByteOrderByte] = computer.byteOrder;
        std::ranges::copy(computer.password, at + PasswordByte);
    }
}

QString ConfigRecord::name() const
{
    return fromWindows1251(byteView(table(TableNumber::ControllerName))).trimmed();
}

void ConfigRecord::setName(const QString& name)
{
    fill(table(TableNumber::ControllerName), ControllerName::field(name));
}

InputCheck copyIntoImage(const ConfigRecord& record, ParamImage& image, bool withUsers)
{
    ParamImage scratch = image;
    copyTable(record, scratch, TableNumber::ControllerName);
    copyTable(record, scratch, TableNumber::UpperLevelPort);
    if (withUsers) {
        std::array<std::uint8_t, userTableSize> users{};
        std::ranges::copy(record.table(TableNumber::Users), users.begin());
        tidyUserTable(users);
        if (InputCheck problem = validateUserTable(byteView(std::span(users))))
            return problem;
        scratch.assign({TableNumber::Users, 0, userSlots}, byteView(std::span(users)));
    }
    copyTable(record, scratch, TableNumber::SystemParameters);
    if (record.table(TableNumber::ChromatographPort)[InstrumentAddressByte] == 0)
        return wrongly("Неверно задан адрес хроматографа");
    copyTable(record, scratch, TableNumber::ChromatographPort);
    if (record.table(TableNumber::MoistureMeterPort)[InstrumentAddressByte] == 0)
        return wrongly("Неверно задан адрес влагомера");
    copyTable(record, scratch, TableNumber::MoistureMeterPort);

    const int count = record.flowComputerCount();
    const std::vector<FlowComputer> computers = record.flowComputers();
    const bool addressMissing =
        std::ranges::any_of(computers, [](const FlowComputer& computer) { return computer.address == 0; });
    if (count < 1 || count > FlowComputers::Most || addressMissing)
        return wrongly("Неверно заданы адреса вычислителей РГ");
    if (InputCheck problem = FlowComputers::checkList(computers))
        return problem;
    if (!FlowComputers::temperatureSourceCounted(record.table(TableNumber::FlowComputerPort)))
        return InputProblem{QStringLiteral("Неверно задан индекс вычислителя"),
                            QStringLiteral("для чтения температуры газа")};
    copyTable(record, scratch, TableNumber::FlowComputerPort);
    FlowComputers::intoImage(computers, scratch);

    copyTable(record, scratch, TableNumber::GasParamWriting);
    for (int k = 0; k < GasSetPointCount; ++k)
        copyTable(record, scratch, tableNumber(static_cast<GasSetPoint>(k)));
    copyTable(record, scratch, TableNumber::HourlyMeanPeriod);
    copyTable(record, scratch, TableNumber::EthernetPort);
    image = scratch;
    return std::nullopt;
}
