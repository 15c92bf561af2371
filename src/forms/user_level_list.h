#pragma once

#include <cstdint>

class QComboBox;
class QWidget;

// The list of the five access levels, "Нет доступа" first; item i is level i.
QComboBox* userLevelList(QWidget* parent);
// Selects `level` in such a list; a level outside the list selects nothing.
void showUserLevel(QComboBox* list, std::uint8_t level);
