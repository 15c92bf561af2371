#include "dialog_widgets.h"
#include "forms/tformaccess.h"
#include "forms/tformconfig.h"
#include "forms/tformfloulist.h"
#include "forms/tformident.h"
#include "forms/tformsys.h"
#include "support/scripted_operator.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPushButton* part(QDialog& dialog, const char* name)
{
    return child<QPushButton>(dialog, QString::fromLatin1(name));
}

TEST(ConfigDialog, TheNameRewritesItsTwentyBytesAndTheCaption)
{
    ScriptedOperator person;
    ConfigRecord record;
    TFormConfig dialog(record, {}, person);
    EXPECT_EQ(dialog.windowTitle(), "Параметры конфигурации контроллера \"\" ");
    auto* name = child<QLineEdit>(dialog, "name");
    QTest::keyClicks(name, QStringLiteral("GRS-7"));
    EXPECT_EQ(dialog.windowTitle(), "Параметры конфигурации контроллера \"GRS-7\" ");
    EXPECT_EQ(record.name(), "GRS-7");
    EXPECT_EQ(name->maxLength(), 20);
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ConfigDialog, CancelledTheRecordIsAsItWasWhateverThePartsChanged)
{
    ScriptedOperator person;
    ConfigRecord record;
    const ConfigRecord opened = record;
    TFormConfig dialog(record, {}, person);
    QTest::keyClicks(child<QLineEdit>(dialog, "name"), QStringLiteral("X"));
    whenOpen<TFormSys>([](TFormSys& sys) {
        child<QCheckBox>(sys, "moistureMeter")->setChecked(false);
        clickButton(sys, "Принять");
    });
    part(dialog, "systemParameters")->click();
    EXPECT_NE(record, opened);
    ASSERT_TRUE(clickButton(dialog, "Отменить"));
    EXPECT_EQ(record, opened);
}

TEST(ConfigDialog, TheMoistureMeterPortIsOfferedOnlyWhileTheSystemParametersSayOne)
{
    ScriptedOperator person;
    ConfigRecord record;
    TFormConfig dialog(record, {}, person);
    EXPECT_TRUE(part(dialog, "moistureMeterPort")->isEnabled());
    whenOpen<TFormSys>([](TFormSys& sys) {
        child<QCheckBox>(sys, "moistureMeter")->setChecked(false);
        clickButton(sys, "Принять");
    });
    part(dialog, "systemParameters")->click();
    EXPECT_FALSE(record.moistureMeterConnected());
    EXPECT_FALSE(part(dialog, "moistureMeterPort")->isEnabled());
}

TEST(ConfigDialog, ThePanelLooksInactiveWhileAPartIsOpen)
{
    ScriptedOperator person;
    ConfigRecord record;
    TFormConfig dialog(record, {}, person);
    auto* panel = dialog.findChild<QFrame*>();
    const QColor active = panel->palette().color(QPalette::Window);
    QColor whileOpen;
    whenOpen<TFormIdent>([&whileOpen, panel](TFormIdent& ident) {
        whileOpen = panel->palette().color(QPalette::Window);
        ident.reject();
    });
    part(dialog, "identification")->click();
    EXPECT_NE(whileOpen, active);
    EXPECT_EQ(panel->palette().color(QPalette::Window), active);
}

TEST(ConfigDialog, TheFlowComputerListChangesTheRecordsAndTheirNumber)
{
    ScriptedOperator person;
    ConfigRecord record;
    record.setFlowComputers({FlowComputer{4, 0, 7, 0, {}}, FlowComputer{5, 0, 7, 0, {}}});
    TFormConfig dialog(record, {}, person);
    person.answerYes();
    whenOpen<TFormFlouList>([](TFormFlouList& list) {
        child<QTableWidget>(list, "grid")->selectRow(1);
        clickButton(list, "Удалить");
        clickButton(list, "Принять");
    });
    part(dialog, "flowComputers")->click();
    EXPECT_EQ(record.flowComputerCount(), 1);
    EXPECT_EQ(record.flowComputers()[0].address, 4);
}

TEST(ConfigDialog, RestoringItWritesIntoTheDeviceAndOffersTheUsersOnlyWhenTheyAreToBeWritten)
{
    ScriptedOperator person;
    ConfigRecord record;
    TFormConfig restoring(record, {true, false}, person);
    EXPECT_TRUE(clickButton(restoring, "Записать в устройство"));
    EXPECT_FALSE(part(restoring, "users")->isEnabled());
    TFormConfig withUsers(record, {true, true}, person);
    EXPECT_TRUE(part(withUsers, "users")->isEnabled());
    TFormConfig offline(record, {}, person);
    EXPECT_TRUE(part(offline, "users")->isEnabled());
    EXPECT_FALSE(clickButton(offline, "Записать в устройство"));
}

} // namespace
