#include "app/controller_state_command.h"

TableInfo::Result runControllerState(const std::function<bool(TableStateSet&)>& showState,
                                     const std::function<TableInfo::Result(TableStateSet&)>& showTables)
{
    TableStateSet states;
    for (;;) {
        if (!showState(states))
            return TableInfo::Exit;
        const TableInfo::Result result = showTables(states);
        if (result != TableInfo::Exit)
            return result;
    }
}
