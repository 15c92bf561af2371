#pragma once

#include <QString>
#include <optional>

// A refused input: the two lines of the "Ошибка ввода параметров" dialog.
struct InputProblem {
    QString line1;
    QString line2;

    bool operator==(const InputProblem&) const = default;
};

using InputCheck = std::optional<InputProblem>;
