#include "app/connection_start.h"

#include "app/app_state.h"
#include "app/basic_data.h"
#include "app/configuration_restore.h"
#include "app/served_controller.h"
#include "base/table_numbers.h"
#include "exchange/clock_commands.h"
#include "exchange/request_layer.h"
#include "settings/link_panels.h"
#include "tables/controller_name.h"
#include "tables/destroyed_tables.h"
#include "tables/identification.h"

namespace {

constexpr std::uint8_t anyController = 255;

} // namespace

ConnectionStart::ConnectionStart(AppState& state, Operator& person, ConnectionWindows& windows, PcClock pcClock)
    : state_(state), person_(person), windows_(windows), pcClock_(std::move(pcClock))
{
}

bool ConnectionStart::run()
{
    {
        const BusyCursor busy(person_);
        showLinkPanels(state_.settings, person_);
        person_.setPanel(StatusPanel::Address, {});
        disconnect();
        state_.slotMap = ComponentSlotMap();
    }
    if (!windows_.chooseLink()) {
        windows_.connectionChanged();
        return false;
    }
    state_.saveState();

    RequestLayer layer(state_.requestContext(person_));
    const bool telephone = state_.settings.gqcIni.current.linkKind == LinkKind::Modem;
    if (telephone) {
        windows_.identifyUser();
        state_.modemConnected = windows_.dialModem();
    }
    if (!telephone || state_.modemConnected) {
        if (identify(layer) == Identified::Accepted) {
            const Identification identification(state_.image.table(TableNumber::Identification));
            if (!telephone)
                windows_.identifyUser();
            checkTables(layer, identification.softwareVersion(), identification.destroyedTable() != 0);
        }
    }
    if (!state_.connected) {
        const BusyCursor busy(person_);
        disconnect();
    }
    windows_.connectionChanged();
    return state_.connected;
}

ConnectionStart::Identified ConnectionStart::identify(RequestLayer& layer)
{
    if (!layer.readFields({TableNumber::Identification, 0, Identification::Size}))
        return Identified::Refused;
    const Identification identification(state_.image.table(TableNumber::Identification));
    if (const InputCheck refusal = servedControllerCheck(identification)) {
        person_.message(MessageKind::Information, refusal->line1, refusal->line2);
        return Identified::Refused;
    }
    LinkRecord& link = state_.settings.gqcIni.currentLink();
    if (link.address == anyController)
        link.address = state_.engine.address();
    state_.connected = true;
    return Identified::Accepted;
}

void ConnectionStart::checkTables(RequestLayer& layer, int softwareVersion, bool tablesReportedBad)
{
    const bool unconfigured = softwareVersion == Identification::UnconfiguredSoftwareVersion;
    if (!tablesReportedBad && !unconfigured) {
        state_.connected = readBasicData();
        return;
    }
    DestroyedTables destroyed = DestroyedTables::everyTable();
    if (!unconfigured) {
        if (!layer.readFields({TableNumber::TableStates, 0, DestroyedTables::Size})) {
            state_.connected = readBasicData();
            return;
        }
        destroyed = DestroyedTables(state_.image.table(TableNumber::TableStates));
    }
    TableStateSet states(destroyed);
    switch (windows_.showTableStates(states, softwareVersion)) {
    case TableInfo::Exit:
        state_.connected = !unconfigured && readBasicData();
        return;
    case TableInfo::WriteChosen:
        repair(layer, states);
        state_.connected = readBasicData();
        return;
    case TableInfo::WriteAll:
        if (!unconfigured) {
            state_.connected = readBasicData();
            return;
        }
        // The controller takes its new port settings once every table is written:
        // it must be connected again.
        layer.context().writeAndDisconnect = true;
        repair(layer, states);
        state_.connected = false;
        return;
    case TableInfo::Reset:
        state_.connected = false;
        return;
    }
}

bool ConnectionStart::repair(RequestLayer& layer, TableStateSet& states)
{
    if (!states.nothingChosenBut({TableNumber::DateTime}))
        return ConfigurationRestore(state_.directory, windows_, pcClock_).run(layer, states);
    if (!states.isToWrite(TableNumber::DateTime))
        return true;
    return readSystemParametersForClock(layer, states) && writePcTime(layer, pcClock_());
}

bool ConnectionStart::readBasicData()
{
    RequestLayer layer(state_.requestContext(person_));
    return ::readBasicData(layer, state_.slotMap);
}

void ConnectionStart::disconnect()
{
    if (state_.modemConnected && state_.engine.settings().linkKind == LinkKind::Modem) {
        windows_.hangUpModem();
        state_.modemConnected = false;
    }
    state_.engine.closeLink();
    state_.connected = false;
    person_.setPanel(StatusPanel::Subscriber, {});
    person_.setPanel(StatusPanel::Modem, {});
    person_.setPanel(StatusPanel::Address, {});
}
