#pragma once

#include "settings/link_record.h"
#include "tables/table_state_set.h"

#include <QString>
#include <vector>

// What the table-state dialog shows and allows: one row per configuration
// table with its state and a check box, the buttons that write the
// configuration or reset the controller, and how the choice becomes the
// to-write flags.
namespace TableInfo {

// The dialog's results.
enum Result { Exit = 0, WriteChosen = 1, WriteAll = 2, Reset = 3 };

inline constexpr int FormWidth = 600;
inline constexpr int FormHeight = 588;
inline constexpr int VisibleRows = 27;
inline constexpr int BelowList = 113; // room under the list for the buttons

struct Row {
    int number = 0; // 1, 2, ... in table order
    int table = 0;
    QString text;  // " Табл. %2d.  name"
    QString state; // "Да" (destroyed, shown red) or "Нет"
    bool destroyed = false;
    bool ticked = false;
    bool tickable = true;
};

// Destroyed tables are ticked in advance. Tables 2 and 4 can be ticked only
// while destroyed; over a modem nothing can be ticked.
std::vector<Row> rows(const TableStateSet& states, LinkKind link);

// Writing tables is offered only to a controller of the unconfigured version on
// a direct line; the reset is refused only to that version over a modem or Ethernet.
bool writeEnabled(int softwareVersion, LinkKind link);
bool resetEnabled(int softwareVersion, LinkKind link);

struct ListPlacement {
    int listHeight = 0;
    int formHeight = FormHeight;
    int firstRowInView = 0; // 0-based row to scroll to
};

// Fewer rows than the list shows: the list and the form shrink to fit. More:
// the list keeps its height and scrolls to the first destroyed table.
ListPlacement placement(const std::vector<Row>& rows, int rowHeight, int listTop);

// "Записать все таблицы": every configuration table is to be written.
void chooseAll(TableStateSet& states);
// "Записать избранные таблицы": the ticked tables; false (flags untouched) when none is ticked.
bool chooseTicked(TableStateSet& states, const std::vector<int>& tickedTables);

const QString& nothingChosenText();  // "Не заданы таблицы для записи"
const QString& resetQuestionLine1(); // "Вы уверены, что хотите выполнить сброс"
const QString& resetQuestionLine2(); // "всех энергонезависимых данных?"

} // namespace TableInfo
