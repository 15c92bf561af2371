#include "sim/sim_table_access.h"

#include "sim/sim_clock.h"
#include "sim/sim_config_state.h"
#include "sim/sim_season.h"
#include "sim/sim_table_map.h"
#include "sim/sim_users.h"
#include "sim/table_memory.h"

namespace {

enum Error : std::uint8_t {
    badLength = 2,
    badParameters = 4,
    outOfOrder = 7,
    noTable = 9,
    unreadable = 11,
    readOnly = 12,
    noField = 13,
    noFieldToWrite = 14,
    levelTooLow = 26,
    destroyed = 60,
};

constexpr int writeHeader = SimUsers::credentialsLength + 4; // credentials, value, table, first, count
constexpr int largestAddress = 254;
constexpr int largestBaudCode = 21;
constexpr int mostFlowComputers = 16;

std::uint8_t at(QByteArrayView bytes, int index)
{
    return static_cast<std::uint8_t>(bytes[index]);
}

QDateTime dateTableMoment(const QByteArray& table)
{
    const QDate date(2000 + at(table, 0), at(table, 1), at(table, 2));
    const QTime time(at(table, 3), at(table, 4), at(table, 5));
    if (!date.isValid() || !time.isValid())
        return {};
    return SimClock::wallTime(QDateTime(date, time));
}

} // namespace

SimTableAccess::SimTableAccess(TableMemory& tables, SimConfigState& state, SimClock& clock)
    : tables_(tables), state_(state), clock_(clock)
{
}

int SimTableAccess::flowComputers() const
{
    return at(tables_.table(SimTableMap::flowPortTable), 0);
}

void SimTableAccess::refreshComputedTables()
{
    QByteArray& identification = tables_.table(0);
    identification[0] = static_cast<char>(state_.firstDestroyed());
    identification[3] = static_cast<char>(state_.version());
    tables_.table(7) = state_.stateTable();

    const QDateTime now = clock_.now();
    const QDate date = now.date();
    const QTime time = now.time();
    const int fields[] = {date.year() - 2000,
                          date.month(),
                          date.day(),
                          time.hour(),
                          time.minute(),
                          time.second(),
                          SimSeason::weekday(date),
                          SimSeason::timeType(tables_.table(SimTableMap::systemTable), now)};
    QByteArray& dateTable = tables_.table(SimTableMap::dateTable);
    for (int i = 0; i < 8; ++i)
        dateTable[i] = static_cast<char>(fields[i]);
}

SimOutcome SimTableAccess::read(QByteArrayView body)
{
    if (body.size() != 4)
        return SimOutcome::failure(badLength);
    const int table = at(body, 1), first = at(body, 2), count = at(body, 3);
    if (!SimTableMap::exists(table))
        return SimOutcome::failure(noTable);
    const int length = SimTableMap::fieldLength(table);
    if (first + count > SimTableMap::fieldCount(table) || (count > 0 && first >= SimTableMap::fieldCount(table)))
        return SimOutcome::failure(noField);
    if (count * length > largestReadData)
        return SimOutcome::failure(badParameters);
    if (table == SimTableMap::flowPasswordTable)
        return SimOutcome::failure(unreadable);
    if (state_.isDestroyed(table))
        return SimOutcome::failure(destroyed, static_cast<std::uint8_t>(table));
    refreshComputedTables();
    return SimOutcome::success(body.toByteArray() + tables_.table(table).mid(first * length, count * length));
}

SimOutcome SimTableAccess::write(QByteArrayView body)
{
    if (body.size() < writeHeader)
        return SimOutcome::failure(badLength);
    const QByteArrayView credentials = body.first(SimUsers::credentialsLength);
    const QByteArrayView echo = body.sliced(SimUsers::credentialsLength, 4);
    const int table = at(echo, 1), first = at(echo, 2), count = at(echo, 3);
    if (!SimTableMap::exists(table))
        return SimOutcome::failure(noTable);
    if (!SimTableMap::isConfiguration(table))
        return SimOutcome::failure(readOnly);
    const int length = SimTableMap::fieldLength(table);
    if (count == 0 || first + count > SimTableMap::fieldCount(table))
        return SimOutcome::failure(noFieldToWrite);
    const QByteArrayView values = body.sliced(writeHeader);
    if (values.size() != count * length)
        return SimOutcome::failure(badLength);

    const QByteArray& users = tables_.table(SimTableMap::userTable);
    const bool usersDestroyed = state_.isDestroyed(SimTableMap::userTable);
    if (usersDestroyed && table != SimTableMap::userTable)
        return SimOutcome::failure(destroyed, SimTableMap::userTable);
    if (!usersDestroyed) {
        const SimUsers::Check user = SimUsers::check(users, credentials);
        if (user.error != 0)
            return SimOutcome::failure(user.error);
        if (user.level > SimTableMap::writeLevel(table))
            return SimOutcome::failure(levelTooLow);
    }
    if (!state_.inRestoreOrder(table))
        return SimOutcome::failure(outOfOrder);

    if (table == SimTableMap::userTable) {
        const std::uint8_t refusal = SimUsers::validateWrite(users, first, values, !usersDestroyed);
        if (refusal != 0)
            return SimOutcome::failure(refusal);
    }
    if (table == SimTableMap::dateTable)
        refreshComputedTables();
    QByteArray candidate = tables_.table(table);
    candidate.replace(first * length, values.size(), values.toByteArray());
    if (const std::uint8_t refusal = checkValues(table, candidate); refusal != 0)
        return SimOutcome::failure(refusal);

    tables_.table(table) = candidate;
    if (table == SimTableMap::dateTable)
        clock_.set(dateTableMoment(candidate));
    const int needed = SimTableMap::isPerFlowComputer(table) ? flowComputers() : SimTableMap::fieldCount(table);
    state_.noteWritten(table, first, count, needed);
    return SimOutcome::success(echo.toByteArray());
}

std::uint8_t SimTableAccess::checkValues(int table, const QByteArray& candidate) const
{
    switch (table) {
    case SimTableMap::dateTable:
        return dateTableMoment(candidate).isValid() ? 0 : badParameters;
    case SimTableMap::portTable:
        return at(candidate, 0) >= 1 && at(candidate, 0) <= largestAddress && at(candidate, 1) <= largestBaudCode
                   ? 0
                   : badParameters;
    case SimTableMap::flowPortTable:
        return at(candidate, 0) >= 1 && at(candidate, 0) <= mostFlowComputers ? 0 : badParameters;
    default:
        return 0;
    }
}
