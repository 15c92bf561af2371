#pragma once

#include <QChar>

// Integer input fields take digits, Backspace, and the two characters "%" and
// "'"; every other character typed is dropped. Keys that type nothing
// (arrows, Delete) are not characters and always pass.
bool integerKeyAccepted(QChar typed);
