#include "dialog_widgets.h"
#include "forms/tformrepconf.h"
#include "support/scripted_operator.h"

#include <QComboBox>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

TEST(ReportSettingsDialog, AcceptedTheChoicesAndDigitsReachTheSettings)
{
    ScriptedOperator person;
    ReportSettings settings = ReportSettings::fromBytes({});
    TFormRepConf dialog(settings, person);
    EXPECT_EQ(dialog.windowTitle(), "Формат представления данных");
    EXPECT_TRUE(child<QRadioButton>(dialog, "choice0_0")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "digits0")->currentText(), "4");
    child<QRadioButton>(dialog, "choice3_1")->setChecked(true); // the daily passport
    child<QComboBox>(dialog, "digits2")->setCurrentText("5");   // superior heat
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.reportKind(), 1);
    EXPECT_EQ(settings.decimals(11), 5);
    EXPECT_TRUE(person.messages().isEmpty());
}

} // namespace
