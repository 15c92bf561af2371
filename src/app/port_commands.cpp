#include "app/controller_commands.h"

#include "base/table_numbers.h"
#include "exchange/request_layer.h"
#include "exchange/table_effects.h"
#include "tables/flow_computer_port.h"
#include "tables/identification.h"
#include "tables/upper_level_port.h"

#include <algorithm>
#include <array>

// The commands on the controller's ports, and on the flow computers behind one of them.

namespace {

constexpr FieldRange flowComputerPortRange{TableNumber::FlowComputerPort, 0, 8};
constexpr FieldRange upperLevelPortRange{TableNumber::UpperLevelPort, 0, 4};
// The flow-computer tables in the order they are written: after table 9, before the passwords.
constexpr std::array<std::uint8_t, 4> flowComputerTables{
    TableNumber::FlowComputerTypes, TableNumber::FlowComputerAddresses, TableNumber::FlowComputerPipelines,
    TableNumber::FlowComputerByteOrders};

FieldRange flowComputerFields(std::uint8_t table, int first, int count)
{
    return {table, static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(count)};
}

} // namespace

void ControllerCommands::flowComputers()
{
    RequestLayer layer(context_);
    if (!layer.readFields(flowComputerPortRange))
        return;
    const int count = context_.image.table(TableNumber::FlowComputerPort)[0];
    if (count > FlowComputers::Most) {
        context_.person.message(MessageKind::Error,
                                QStringLiteral("Количество вычислителей в контроллере: %1").arg(count),
                                QStringLiteral("Допустимо не более %1").arg(FlowComputers::Most));
        return;
    }
    const QByteArray portAsRead = context_.image.copyOf(flowComputerPortRange);
    editFlowComputerList(count, count, portAsRead);
}

void ControllerCommands::flowComputerPort()
{
    RequestLayer layer(context_);
    if (!layer.readFields(flowComputerPortRange))
        return;
    ParamImage& image = context_.image;
    const QByteArray asRead = image.copyOf(flowComputerPortRange);
    if (!windows_.editFlowComputerPort(image.fields(flowComputerPortRange))) {
        image.assign(flowComputerPortRange, asRead);
        return;
    }
    const QByteArray accepted = image.copyOf(flowComputerPortRange);
    if (!flowComputerCountRaised(asRead, accepted)) {
        writeChanges(flowComputerPortRange, asRead);
        return;
    }
    // Flow computers added to the count need their own parameters first.
    if (!context_.person.message(MessageKind::Question,
                                 QStringLiteral("Количество вычислителей не может быть увеличено"),
                                 QStringLiteral("без ввода их параметров. Выполнить ввод параметров сейчас?"))) {
        image.assign(flowComputerPortRange, asRead);
        return;
    }
    const int oldCount = static_cast<std::uint8_t>(asRead[0]);
    if (!editFlowComputerList(oldCount, static_cast<std::uint8_t>(accepted[0]), asRead))
        image.assign(flowComputerPortRange, asRead);
}

bool ControllerCommands::editFlowComputerList(int heldCount, int shownCount, const QByteArray& portAsRead)
{
    RequestLayer layer(context_);
    ParamImage& image = context_.image;
    std::vector<QByteArray> asRead;
    for (std::uint8_t table : flowComputerTables) {
        if (shownCount > 0 && !layer.readFields(flowComputerFields(table, 0, shownCount)))
            return false;
        asRead.push_back(image.copyOf(flowComputerFields(table, 0, shownCount)));
    }
    FlowComputerList list(FlowComputers::fromImage(image, shownCount));
    if (!windows_.editFlowComputers(list))
        return false;
    const int newCount = static_cast<int>(list.computers().size());
    FlowComputers::intoImage(list.computers(), image);
    FlowComputers::intoPortTable(newCount, image.table(TableNumber::FlowComputerPort));

    if (!layer.writeChangedFields(flowComputerPortRange, portAsRead))
        return true;
    // Fields the controller held are written when changed; an added flow
    // computer is written whole, whatever stale bytes its fields held.
    const int kept = std::min(heldCount, newCount);
    for (std::size_t i = 0; i < flowComputerTables.size(); ++i) {
        const std::uint8_t table = flowComputerTables[i];
        if (kept > 0 && !layer.writeChangedFields(flowComputerFields(table, 0, kept), asRead[i].left(kept)))
            return true;
        if (newCount > kept && !layer.writeFields(flowComputerFields(table, kept, newCount - kept)))
            return true;
    }
    for (int position = 0; position < newCount; ++position)
        if (list.passwordChanged(position) &&
            !layer.writeFields(flowComputerFields(TableNumber::FlowComputerPasswords, position, 1)))
            return true;
    return true;
}

void ControllerCommands::upperLevelPort()
{
    const LinkKind link = context_.engine.settings().linkKind;
    const bool rateEditable =
        upperLevelRateEditable(true, link, Identification(context_.image.table(TableNumber::Identification)));
    if (editAndWrite(upperLevelPortRange, [this, rateEditable](std::span<std::uint8_t> table) {
            return windows_.editUpperLevelPort(table, rateEditable);
        }))
        TableEffects::takePortParameters(context_);
}

void ControllerCommands::modbusPort(ModbusInstrument instrument)
{
    const std::uint8_t table =
        instrument == ModbusInstrument::Chromatograph ? TableNumber::ChromatographPort : TableNumber::MoistureMeterPort;
    editAndWrite({table, 0, 8}, [this, instrument](std::span<std::uint8_t> bytes) {
        return windows_.editModbusPort(instrument, bytes);
    });
}

void ControllerCommands::ethernetPort()
{
    editAndWrite({TableNumber::EthernetPort, 0, 7},
                 [this](std::span<std::uint8_t> table) { return windows_.editEthernetPort(table); });
}
