#pragma once

#include "app/configuration_windows.h"
#include "app/pc_clock.h"
#include "exchange/clock_commands.h"

class RequestLayer;
class TableStateSet;
class WorkDirectory;

// Repairs a controller whose configuration tables are destroyed from a
// configuration file: the operator chooses the file, corrects it until it
// passes its checks, and the tables chosen in the table-state dialog are
// written. The user table goes first, with blank credentials, as a controller
// whose user table is destroyed takes no others; then the clock, set from the
// PC's; then the rest in the order the controller demands.
class ConfigurationRestore {
public:
    ConfigurationRestore(const WorkDirectory& directory, ConfigurationWindows& windows, PcClock pcClock);

    // True when every chosen table was written; false when the operator stopped
    // or a write failed (the flags of the tables not written stay set).
    bool run(RequestLayer& layer, TableStateSet& states);

private:
    // The editor opened again until the record passes its checks and is in the
    // image, or the operator gives up.
    bool correct(RequestLayer& layer, ConfigRecord& record, bool withUsers);

    const WorkDirectory& directory_;
    ConfigurationWindows& windows_;
    PcClock pcClock_;
};

// Writes the tables chosen in `states` from the image: the user table first, on
// its own and with blank credentials ("Таблица зарегистрированных пользователей
// не восстановлена" when that fails); then the clock, set from the PC's; then the
// rest in the order the controller demands. Stops at the first failure, the
// flags of the tables not written still set.
bool writeChosenTables(RequestLayer& layer, TableStateSet& states, const PcClock& pcClock,
                       PcTimeConfirmation confirmation = PcTimeConfirmation::Ask);

// Before the clock is set from the PC's: the switch rules of table 6 give its
// time type, so table 6 must be whole ("Запись даты и времени невозможна"
// otherwise) and is read.
bool readSystemParametersForClock(RequestLayer& layer, const TableStateSet& states);
