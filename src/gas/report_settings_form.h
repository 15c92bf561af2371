#pragma once

#include "base/input_problem.h"
#include "gas/report_settings.h"

#include <QString>
#include <QStringList>
#include <array>
#include <variant>
#include <vector>

// The settings dialog's rows: five choices of two items each, and seven rows of
// decimal digits (2 to 5), each setting the counts of its gas-parameter slots.
namespace ReportSettingsForm {

inline constexpr int ChoiceCount = ReportSettings::choiceCount;
inline constexpr int DigitRowCount = 7;

struct ChoiceRow {
    QString label;
    QStringList items; // the item index is the stored byte
};

struct DigitRow {
    QString label;
    std::vector<int> gasSlots; // the first one's count is shown
};

// Fraction kind, heat unit, calculation method, report kind, correction.
const std::array<ChoiceRow, ChoiceCount>& choiceRows();
const std::array<DigitRow, DigitRowCount>& digitRows();
// "2" to "5".
QStringList digitItems();

// What the rows show and the operator left: item indexes, -1 for none.
struct Fields {
    std::array<int, ChoiceCount> choices{};
    std::array<int, DigitRowCount> digits{};

    bool operator==(const Fields&) const = default;
};

Fields fields(const ReportSettings& settings);

// "Введены не все данные" while a choice is left empty; otherwise `current`
// with the choices and every row's count in its slots. Slots without a row keep
// their counts.
std::variant<ReportSettings, InputProblem> apply(const Fields& fields, const ReportSettings& current);

} // namespace ReportSettingsForm
