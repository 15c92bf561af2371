#include "sim/history/sim_history.h"

namespace {
constexpr std::uint8_t unknownCommand = 1;
}

SimHistory::SimHistory(const SimHistoryOptions& options) : options_(options) {}

bool SimHistory::handles(std::uint8_t function)
{
    return function == 7 || function == 8 || function == 14 || function == 15 || function == 16;
}

SimReply SimHistory::answer(std::uint8_t, QByteArrayView, const QDateTime&)
{
    return {true, unknownCommand, {}};
}

void SimHistory::refreshTables(TableMemory&, const QDateTime&) {}
