#include "gas/report_settings_form.h"

#include <gtest/gtest.h>

namespace {

using ReportSettingsForm::Fields;

// Volume fractions, kcal, ISO, certificate, correction; each slot's count its own.
ReportSettings stored()
{
    QByteArray bytes = QByteArray::fromHex("0101000001");
    for (int slot = 0; slot < 20; ++slot)
        bytes.append(static_cast<char>(2 + slot % 4));
    return ReportSettings::fromBytes(bytes);
}

TEST(ReportSettingsForm, TheRowsShowTheStoredChoicesAndTheCountOfTheirFirstSlot)
{
    const Fields shown = ReportSettingsForm::fields(stored());
    EXPECT_EQ(shown.choices, (std::array<int, 5>{1, 1, 0, 0, 1}));
    // Slots 0, 18, 11, 12, 13, 14, 19 hold 2, 4, 5, 2, 3, 4, 5 decimals.
    EXPECT_EQ(shown.digits, (std::array<int, 7>{0, 2, 3, 0, 1, 2, 3}));
}

TEST(ReportSettingsForm, AChoiceLeftEmptyIsRefusedAndNothingTaken)
{
    Fields fields = ReportSettingsForm::fields(stored());
    fields.choices[3] = -1;
    const auto applied = ReportSettingsForm::apply(fields, stored());
    ASSERT_TRUE(std::holds_alternative<InputProblem>(applied));
    EXPECT_EQ(std::get<InputProblem>(applied), (InputProblem{QStringLiteral("Введены не все данные"), {}}));
}

TEST(ReportSettingsForm, EachRowSetsItsSlotsAndTheSlotsWithoutARowKeepTheirCounts)
{
    Fields fields = ReportSettingsForm::fields(stored());
    fields.choices = {0, 0, 1, 1, 0};
    fields.digits = {3, 0, 0, 0, 0, 0, 0}; // components 5 decimals, everything else 2
    const auto applied = ReportSettingsForm::apply(fields, stored());
    ASSERT_TRUE(std::holds_alternative<ReportSettings>(applied));
    const ReportSettings& settings = std::get<ReportSettings>(applied);
    EXPECT_EQ(settings.bytes().left(5), QByteArray::fromHex("0000010100"));
    for (int slot : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17})
        EXPECT_EQ(settings.decimals(slot), 5) << slot;
    for (int slot : {11, 12, 13, 14, 18, 19})
        EXPECT_EQ(settings.decimals(slot), 2) << slot;
    EXPECT_EQ(settings.decimals(15), stored().decimals(15));
    EXPECT_EQ(settings.decimals(16), stored().decimals(16));
}

} // namespace
