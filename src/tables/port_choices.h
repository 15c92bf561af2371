#pragma once

#include "base/input_problem.h"

#include <QByteArrayView>
#include <QStringList>
#include <optional>

// What the dialogs of the controller's ports share: their lists of numbers, the
// list of bit rates, and how a stored byte or a typed number becomes a choice.
// A list choice is the index of its item; -1 is no choice.

// One item per number, `first` to `last`.
QStringList numberItems(int first, int last);
// The 22 bit rates, 300 first: an item's index is the rate's one-byte code.
QStringList bitRateItems();
// "Кол. неудачных опросов ... подряд": 1 to 10.
QStringList failedPollItems();

namespace PortChoice {
inline constexpr int FailedPollsFirst = 1;
inline constexpr int FailedPollsCount = 10;
inline constexpr int MaxPreambles = 255; // one byte

// The byte at `offset` of a table, 0 to 255.
int storedByte(QByteArrayView table, int offset);
// The item of a list of `count` numbers from `first` that a stored number stands
// for; -1 when it is outside the list, so a foreign byte shows no selection.
int itemOf(int stored, int first, int count);
// The bit-rate item of a stored code; -1 for a code past the list.
int bitRateItemOf(int code);
bool chosen(int item, int count);
bool blank(const QString& field);
// The number typed into a field, when it is one from minimum to maximum.
std::optional<int> typedNumber(const QString& field, int minimum, int maximum);

InputProblem notAllEntered();
// Two lines, "<what> должен быть" / "в диапазоне 1...247" and the like.
InputProblem tooManyPreambles();
InputProblem outsideRange(const QString& line1, int minimum, int maximum);
} // namespace PortChoice
