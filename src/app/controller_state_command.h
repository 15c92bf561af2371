#pragma once

#include "tables/table_info_rules.h"
#include "tables/table_state_set.h"

#include <functional>

// "Текущее состояние контроллера": the state window, and the table-state dialog
// when the operator asks for it from there. "Выход" from the table-state
// dialog brings the state window back. Returns the dialog's last result
// (Exit when the state window was left directly); after Reset the caller
// disconnects, as the controller has forgotten its non-volatile data.
//
// `showState` shows the state window on the set and tells whether it was left
// by the request for the table states; `showTables` shows the table-state dialog.
TableInfo::Result runControllerState(const std::function<bool(TableStateSet&)>& showState,
                                     const std::function<TableInfo::Result(TableStateSet&)>& showTables);
