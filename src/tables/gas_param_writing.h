#pragma once

#include "base/input_problem.h"
#include "tables/gas_param_range.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <array>

// Table 21, whether each gas parameter is written into the flow computers, as
// the dialog's lists show it: one item index per parameter, the stored byte
// itself (0 not written, 1 written). A byte no item stands for shows no
// choice, -1. The unused fields (sum of the fractions, gas temperature) always
// show " Не записывать " and cannot be changed.

inline constexpr int GasParamWritingTableLength = GasParameterCount;

using GasParamWritingChoices = std::array<int, GasParameterCount>;

// " Не записывать ", " Записывать".
QStringList gasParamWritingItems();

GasParamWritingChoices gasParamWritingChoices(QByteArrayView table);

// Stores every parameter's choice; refuses with "Введены не все параметры",
// storing nothing, while any list is left without a choice. The unused fields
// keep their bytes, since the operator cannot change them.
InputCheck applyGasParamWriting(const GasParamWritingChoices& choices, QByteArray& table);

// A new configuration writes nitrogen, carbon dioxide and density only.
QByteArray defaultGasParamWritingTable();
