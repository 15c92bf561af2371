#include "gas/report_settings_form.h"

#include <algorithm>

namespace {

constexpr int FewestDecimals = 2;
constexpr int DigitItemCount = 4;

} // namespace

namespace ReportSettingsForm {

const std::array<ChoiceRow, ChoiceCount>& choiceRows()
{
    static const std::array<ChoiceRow, ChoiceCount> rows = {{
        {QStringLiteral("Показ компонентного состава"),
         {QStringLiteral(" Молярная доля"), QStringLiteral(" Объемная доля")}},
        {QStringLiteral("Единица измерений тепла"), {QStringLiteral(" МДж"), QStringLiteral(" ккал")}},
        {QStringLiteral("Формула расчета теплоты сгорания"), {QStringLiteral(" По ИСО"), QStringLiteral(" По ГОСТ")}},
        {QStringLiteral("Форма отчетов"),
         {QStringLiteral(" Суточный сертификат"), QStringLiteral(" Суточный паспорт")}},
        {QStringLiteral("Корректировка доли компонента газа"),
         {QStringLiteral(" Без корректировки"), QStringLiteral(" По методу абс. калибровки")}},
    }};
    return rows;
}

const std::array<DigitRow, DigitRowCount>& digitRows()
{
    // The twelve components share one count; slots 15 and 16 have no row.
    static const std::array<DigitRow, DigitRowCount> rows = {{
        {QStringLiteral("Значения концентраций составляющих газа"), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17}},
        {QStringLiteral("Удельная Тсг низшая <реального газа>"), {18}},
        {QStringLiteral("Удельная Тсг высшая <реального газа>"), {11}},
        {QStringLiteral("Хроматографическая  плотность при 20°"), {12}},
        {QStringLiteral("Число Воббе высшее при 20°С и 101,325 кПа"), {13}},
        {QStringLiteral("Фактор сжимаемости"), {14}},
        {QStringLiteral("Относительная плотность <реального газа>"), {19}},
    }};
    return rows;
}

QStringList digitItems()
{
    QStringList items;
    for (int count = FewestDecimals; count < FewestDecimals + DigitItemCount; ++count)
        items << QString::number(count);
    return items;
}

Fields fields(const ReportSettings& settings)
{
    Fields shown;
    for (int choice = 0; choice < ChoiceCount; ++choice)
        shown.choices[choice] = static_cast<std::uint8_t>(settings.bytes().at(choice));
    for (int row = 0; row < DigitRowCount; ++row)
        shown.digits[row] = settings.decimals(digitRows()[row].gasSlots.front()) - FewestDecimals;
    return shown;
}

std::variant<ReportSettings, InputProblem> apply(const Fields& fields, const ReportSettings& current)
{
    const auto chosen = [](int item, int count) { return item >= 0 && item < count; };
    for (int choice = 0; choice < ChoiceCount; ++choice)
        if (!chosen(fields.choices[choice], choiceRows()[choice].items.size()))
            return InputProblem{QStringLiteral("Введены не все данные"), {}};
    QByteArray bytes = current.bytes();
    for (int choice = 0; choice < ChoiceCount; ++choice)
        bytes[choice] = static_cast<char>(fields.choices[choice]);
    for (int row = 0; row < DigitRowCount; ++row)
        if (chosen(fields.digits[row], DigitItemCount))
            for (int slot : digitRows()[row].gasSlots)
                bytes[ReportSettings::firstDecimals + slot] = static_cast<char>(FewestDecimals + fields.digits[row]);
    return ReportSettings::fromBytes(bytes);
}

} // namespace ReportSettingsForm
