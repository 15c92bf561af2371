#pragma once

#include "tables/flow_computers.h"

// A flow computer as the tests need one: its password blank, as the controller never gives it.
inline FlowComputer blankPasswordComputer(std::uint8_t address, std::uint8_t type = 0, std::uint8_t pipelines = 0x07)
{
    FlowComputer record;
    record.address = address;
    record.type = type;
    record.pipelines = pipelines;
    record.password.fill(' ');
    return record;
}
