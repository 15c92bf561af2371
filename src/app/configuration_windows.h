#pragma once

#include "tables/config_record.h"

#include <cstdint>
#include <span>

// How the configuration editor opens: on a file, or on the configuration about
// to be written into a controller whose tables are destroyed, where the user
// table may be changed only when it is among the tables to write.
struct ConfigEditing {
    bool restoring = false;
    bool usersEditable = true;
};

// What the configuration procedures ask of the windows around them.
class ConfigurationWindows {
public:
    virtual ~ConfigurationWindows() = default;

    // The configuration editor on the record, which it edits in place; true when
    // the operator accepted it.
    virtual bool editConfiguration(ConfigRecord& record, ConfigEditing editing) = 0;
    // The whole user table built anew in the access dialog, in place; true when accepted.
    virtual bool rebuildUserTable(std::span<std::uint8_t> userTable) = 0;
};
