#pragma once

#include "base/input_problem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// Table 6, the system parameters, as the system-parameters dialog shows it:
// every list as the index of its selected item. A stored byte that no item
// stands for (a hand-made configuration, a controller of another make) shows
// no selection, -1, rather than some other item.

enum class Season { Summer, Winter };

// One switch group: " Переход на летнее время " or " Переход на зимнее время ".
struct SwitchChoice {
    int month = -1;         // 0 "Переход запрещен", then the season's four months
    bool byWeekday = false; // "День недели в месяце" rather than "День месяца (число)"
    int day = -1;           // day of the month - 1
    int week = -1; // "Первый", "Второй", "Третий", "Предпоследний", "Последний"
    int weekday = -1; // "Воскресенье" … "Суббота"
    int hour = -1;    // into the season's hours

    bool operator==(const SwitchChoice&) const = default;
};

struct SystemParameterChoices {
    int contractHour = -1; // hour of the start of the gas day
    bool moistureMeter = false;
    SwitchChoice summer;
    SwitchChoice winter;

    bool operator==(const SystemParameterChoices&) const = default;
};

// The items of the dialog's lists.
QStringList switchMonthItems(Season season);
// "День в месяце": 1 to the length of the chosen month; none without one.
QStringList switchDayItems(Season season, int month);
QStringList switchWeekItems();
QStringList weekdayItems();
QStringList switchHourItems(Season season); // summer 0:00 to 22:00, winter 1:00 to 23:00
QStringList contractHourItems();            // 0:00 to 23:00

// The choices the ten bytes of table 6 stand for.
SystemParameterChoices systemParameterChoices(QByteArrayView table);

// Stores the choices into bytes 0 to 8 of `table` (byte 7, the chromatograph,
// is always 1; byte 9 is kept). A season without a switch keeps its day and
// hour bytes. Refuses with "Введены не все параметры", storing nothing, when
// the contract hour or any item of a season that switches is left unchosen.
InputCheck applySystemParameters(const SystemParameterChoices& choices, QByteArray& table);
