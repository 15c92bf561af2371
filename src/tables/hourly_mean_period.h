#pragma once

#include "base/input_problem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// Table 28: byte 0 the period in hours with which the controller writes the
// hourly means of the gas parameters into the flow computers, byte 1 always 0.
// The dialog offers the periods that divide a day; a stored period it does not
// offer shows no choice, -1.

inline constexpr int HourlyMeanPeriodTableLength = 2;

// " 1", " 2", " 3", " 4", " 6", " 12", " 24" (hours).
QStringList hourlyMeanPeriodItems();

int hourlyMeanPeriodChoice(QByteArrayView table);

// Stores the chosen period; refuses with "Не введен период", storing nothing,
// without a choice.
InputCheck applyHourlyMeanPeriod(int choice, QByteArray& table);

// A new configuration writes every hour.
QByteArray defaultHourlyMeanPeriodTable();
