#include "tables/table_info_rules.h"

#include "base/table_numbers.h"
#include "tables/identification.h"
#include "tables/table_catalogue.h"

#include <algorithm>

namespace {

// The date is written from the PC's clock and the users by their own dialog,
// so a choice includes them only when they are destroyed.
void keepDateAndUsersToTheirState(TableStateSet& states)
{
    if (!states.isDestroyed(TableNumber::DateTime))
        states.setToWrite(TableNumber::DateTime, false);
    states.setToWrite(TableNumber::Users, states.isDestroyed(TableNumber::Users));
}

} // namespace

namespace TableInfo {

std::vector<Row> rows(const TableStateSet& states, LinkKind link)
{
    std::vector<Row> result;
    for (int table = 0; table < TableCatalogue::TableCount; ++table) {
        if (!states.isConfiguration(table))
            continue;
        Row row;
        row.number = static_cast<int>(result.size()) + 1;
        row.table = table;
        row.text = QStringLiteral(" Табл. %1.  %2").arg(table, 2).arg(TableCatalogue::name(table));
        row.destroyed = states.isDestroyed(table);
        row.state = row.destroyed ? QStringLiteral("Да") : QStringLiteral("Нет");
        row.ticked = row.destroyed && link != LinkKind::Modem;
        row.tickable = link != LinkKind::Modem &&
                       (row.destroyed || (table != TableNumber::DateTime && table != TableNumber::Users));
        result.push_back(row);
    }
    return result;
}

bool writeEnabled(int softwareVersion, LinkKind link)
{
    return softwareVersion == Identification::UnconfiguredSoftwareVersion && link == LinkKind::Direct;
}

bool resetEnabled(int softwareVersion, LinkKind link)
{
    return softwareVersion != Identification::UnconfiguredSoftwareVersion || link == LinkKind::Direct;
}

ListPlacement placement(const std::vector<Row>& rows, int rowHeight, int listTop)
{
    ListPlacement result;
    const int rowCount = static_cast<int>(rows.size());
    if (rowCount < VisibleRows) {
        result.listHeight = (rowHeight - 1) * rowCount + 1;
        result.formHeight = listTop + result.listHeight + BelowList;
        return result;
    }
    result.listHeight = FormHeight - BelowList - listTop;
    const auto destroyed = std::find_if(rows.begin(), rows.end(), [](const Row& row) { return row.destroyed; });
    result.firstRowInView = destroyed == rows.end() ? 0 : static_cast<int>(destroyed - rows.begin());
    return result;
}

void chooseAll(TableStateSet& states)
{
    for (int table = 0; table < TableCatalogue::TableCount; ++table)
        states.setToWrite(table, true);
    keepDateAndUsersToTheirState(states);
}

bool chooseTicked(TableStateSet& states, const std::vector<int>& tickedTables)
{
    if (tickedTables.empty())
        return false;
    for (int table = 0; table < TableCatalogue::TableCount; ++table)
        states.setToWrite(table, std::find(tickedTables.begin(), tickedTables.end(), table) != tickedTables.end());
    keepDateAndUsersToTheirState(states);
    return true;
}

const QString& nothingChosenText()
{
    static const QString text = QStringLiteral("Не заданы таблицы для записи");
    return text;
}

const QString& resetQuestionLine1()
{
    static const QString text = QStringLiteral("Вы уверены, что хотите выполнить сброс");
    return text;
}

const QString& resetQuestionLine2()
{
    static const QString text = QStringLiteral("всех энергонезависимых данных?");
    return text;
}

} // namespace TableInfo
