#pragma once

#include "app/pc_clock.h"
#include "exchange/request_context.h"
#include "tables/flow_computers.h"
#include "tables/gas_param_range.h"
#include "tables/modbus_port.h"

#include <QDateTime>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// What the commands on a connected controller ask of the windows around them.
// Each dialog works on the image's bytes it is given.
class ControllerCommandWindows {
public:
    virtual ~ControllerCommandWindows() = default;

    // The date-and-time window: the controller's clock (table 2) beside the PC's
    // at `pcNow`, whose day of week and time type follow the switch rules of
    // table 6. The correction in seconds the operator confirmed; none when the
    // window was left without one.
    virtual std::optional<std::int16_t> chooseClockCorrection(std::span<const std::uint8_t> dateTime,
                                                              std::span<const std::uint8_t> systemParameters,
                                                              const QDateTime& pcNow) = 0;
    // The user-change window on the user table (table 4): the slot (0 to 15) whose
    // record the operator changed there; none when the window was left unchanged.
    virtual std::optional<int> changeUser(std::span<std::uint8_t> userTable) = 0;
    // The identification window on table 0.
    virtual void showIdentification(std::span<const std::uint8_t> identification) = 0;
    // The name window on the name as shown: the name the operator confirmed; none when left.
    virtual std::optional<QString> editControllerName(const QString& name) = 0;
    // The system-parameters window edits table 6 in place; true when the operator confirmed.
    virtual bool editSystemParameters(std::span<std::uint8_t> systemParameters) = 0;
    // The gas-parameter dialogs edit their table in place; true when the operator confirmed.
    virtual bool editGasParamWriting(std::span<std::uint8_t> table) = 0;
    virtual bool editSetPoints(GasSetPoint setPoint, std::span<std::uint8_t> table) = 0;
    virtual bool editHourlyMeanPeriod(std::span<std::uint8_t> table) = 0;
    // The port dialogs edit their table in place; true when the operator confirmed.
    // The upper-level port's rate is offered only when `rateEditable`.
    virtual bool editUpperLevelPort(std::span<std::uint8_t> table, bool rateEditable) = 0;
    virtual bool editModbusPort(ModbusInstrument instrument, std::span<std::uint8_t> table) = 0;
    virtual bool editFlowComputerPort(std::span<std::uint8_t> table) = 0;
    virtual bool editEthernetPort(std::span<std::uint8_t> table) = 0;
    // The flow-computer list, edited in place; true when the operator confirmed it.
    virtual bool editFlowComputers(FlowComputerList& list) = 0;
    // Panel 2 holds a transient text: the message timer clears it a while later.
    virtual void startMessageTimer() = 0;
};

// The menu commands that open a table dialog in the middle of their exchanges
// (the ports and the flow computers are in port_commands.cpp).
// Each reads what its dialog shows, asks the windows to show it and writes what
// the operator confirmed. A failed read ends a command silently: the request
// layer has already told the operator.
class ControllerCommands {
public:
    ControllerCommands(RequestContext context, ControllerCommandWindows& windows, PcClock pcClock);

    // "Дата и время": the controller's clock beside the PC's, corrected on request;
    // a destroyed clock is set from the PC's once the operator agrees.
    void dateAndTime();
    // "Доступ пользователей к таблицам параметров": one user changed and written.
    // The image keeps what the controller holds: a change not written is taken back.
    void userAccess();
    // "Параметры идентификации": table 0 shown.
    void identification();
    // "Наименование контроллера": table 5 changed and written; panel 1 shows the new name.
    void controllerName();
    // "Системные параметры": table 6 changed and the changed fields written; the
    // moisture-meter flag follows byte 8 (the caller rebuilds the menu).
    void systemParameters();
    // "Параметры вычислителей": the flow-computer list changed; the count, the
    // changed fields of tables 17 to 20 and the retyped passwords written.
    void flowComputers();
    // The port commands: table 3 (the controller then answers at the address and
    // rate written, and the link follows it), tables 14 and 15, table 9 (a
    // raised count leads into the flow-computer list, or writes nothing) and 29.
    void upperLevelPort();
    void modbusPort(ModbusInstrument instrument);
    void flowComputerPort();
    void ethernetPort();
    // "Необходимость записи значений параметров газа в ВРГ" (table 21), the five
    // set-point commands (tables 22 to 26) and "Период записи средних за час
    // значений параметров газа в ВРГ" (table 28): the changed fields written.
    void gasParamWriting();
    void setPoints(GasSetPoint setPoint);
    void hourlyMeanPeriod();

private:
    // The flow-computer list of `shownCount` records read, edited and written
    // with table 9 (`portAsRead` as the controller held it) when confirmed; the
    // controller held `heldCount` records. False when left unconfirmed or unread.
    bool editFlowComputerList(int heldCount, int shownCount, const QByteArray& portAsRead);
    // Reads `range`, lets `edit` change it in place and writes the fields it
    // changed; true when something confirmed was written (or nothing needed to be).
    bool editAndWrite(const FieldRange& range, const std::function<bool(std::span<std::uint8_t>)>& edit);
    // Writes the fields of `range` that differ from `asRead`; a write that fails
    // puts `asRead` back, so that the image holds what the controller does.
    bool writeChanges(const FieldRange& range, const QByteArray& asRead);
    // Table 7 as last read says the table is destroyed.
    bool destroyed(std::uint8_t table) const;

    RequestContext context_;
    ControllerCommandWindows& windows_;
    PcClock pcClock_;
};
