#pragma once

#include "app/configuration_windows.h"
#include "app/pc_clock.h"
#include "tables/table_info_rules.h"
#include "tables/table_state_set.h"

#include <cstdint>
#include <span>

class AppState;
class Operator;
class RequestLayer;

// What the connection procedure asks of the windows around it, the repair of
// destroyed tables from a configuration file included.
class ConnectionWindows : public ConfigurationWindows {
public:
    virtual ~ConnectionWindows() = default;

    // The connection dialog: true when the operator confirmed and the link is open.
    virtual bool chooseLink() = 0;
    // The short user dialog: the operator's credentials go into the engine.
    virtual void identifyUser() = 0;
    // Dials the chosen telephone subscriber, asking whether to retry after a
    // failure; true when the modem connection is up.
    virtual bool dialModem() = 0;
    virtual void hangUpModem() = 0;
    // The table-state dialog on the states; the tables to write are left as flags.
    virtual TableInfo::Result showTableStates(TableStateSet& states, int softwareVersion) = 0;
    // The connection state changed: the menu follows it.
    virtual void connectionChanged() = 0;
};

// The life of one connection: the link chosen and opened, the controller
// identified and accepted or refused, destroyed tables offered for repair, the
// few values every later exchange needs read. A destroyed clock is set from
// `pcClock`.
class ConnectionStart {
public:
    ConnectionStart(AppState& state, Operator& person, ConnectionWindows& windows, PcClock pcClock);

    // The whole procedure; true when a controller is connected at its end.
    bool run();
    // Reads the controller's name, system parameters and instrument types; the
    // chromatograph's type chooses where its records hold what.
    bool readBasicData();
    // Closes the link (hanging up a modem first) and forgets the connection.
    void disconnect();

private:
    enum class Identified { Accepted, Refused };

    Identified identify(RequestLayer& layer);
    void checkTables(RequestLayer& layer, int softwareVersion, bool tablesReportedBad);
    // Writes what was chosen in the table-state dialog; false when it stopped.
    bool repair(RequestLayer& layer, TableStateSet& states);

    AppState& state_;
    Operator& person_;
    ConnectionWindows& windows_;
    PcClock pcClock_;
};
