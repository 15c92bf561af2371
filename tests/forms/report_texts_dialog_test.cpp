#include "app/app_state.h"
#include "app/main_menu.h"
#include "base/windows1251.h"
#include "dialog_widgets.h"
#include "forms/main_menu_bar.h"
#include "forms/tformmain.h"
#include "forms/tformrepformate.h"
#include "support/temp_workdir.h"

#include <QAction>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

ReportTexts storedTexts()
{
    QByteArray bytes(ReportTexts::Size, '\0');
    bytes[500] = 9;
    bytes.replace(0, 7, toWindows1251(QStringLiteral("ООО Газ")));
    bytes.replace(100, 12, QByteArray("Old heading2"));
    bytes.replace(501, 6, toWindows1251(QStringLiteral("Мастер")));
    return ReportTexts::fromBytes(bytes);
}

// Presses Enter in each field in turn; the widget that has the focus after each press.
QStringList focusAfterEachEnter(TFormRepFormate& dialog, int fields)
{
    // Shown, the dialog has its default button: an Enter the field let through would press it.
    dialog.show();
    QStringList reached;
    for (int index = 0; index < fields; ++index) {
        auto* field = child<QLineEdit>(dialog, QStringLiteral("field%1").arg(index));
        EXPECT_NE(field, nullptr) << index;
        if (!field)
            return reached;
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QWidget* focus = dialog.focusWidget();
        const auto* button = qobject_cast<QPushButton*>(focus);
        reached << (button ? button->text() : focus ? focus->objectName() : QString());
    }
    return reached;
}

TEST(ReportTextsDialog, CertificateEnterMovesThroughTheHeadingsAndRepresentativesToAccept)
{
    ReportTexts texts = storedTexts();
    TFormRepFormate dialog(texts, ReportTextsPanel::Certificate);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Формат суточного сертификата"));
    EXPECT_EQ(focusAfterEachEnter(dialog, 6),
              QStringList({"field1", "field2", "field3", "field4", "field5", QStringLiteral("Принять")}));
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "Enter in a field does not close the dialog";
    EXPECT_EQ(child<QLineEdit>(dialog, "field0")->text(), QStringLiteral("ООО Газ"));
    EXPECT_EQ(child<QLineEdit>(dialog, "field0")->maxLength(), 99);
    EXPECT_EQ(child<QLineEdit>(dialog, "field5")->maxLength(), 49);
}

TEST(ReportTextsDialog, PassportEnterGoesDownTheLeftColumnThenTheRight)
{
    ReportTexts texts = storedTexts();
    TFormRepFormate dialog(texts, ReportTextsPanel::Passport);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Формат суточного паспорта"));
    EXPECT_EQ(child<QLineEdit>(dialog, "field0")->text(), QStringLiteral("Мастер"));
    EXPECT_EQ(focusAfterEachEnter(dialog, 6),
              QStringList({"field1", "field2", "field3", "field4", "field5", QStringLiteral("Принять")}));
    // The left column holds the first three lines: field3 starts the right column.
    dialog.layout()->activate();
    EXPECT_LT(child<QLineEdit>(dialog, "field2")->mapTo(&dialog, QPoint()).x(),
              child<QLineEdit>(dialog, "field3")->mapTo(&dialog, QPoint()).x());
}

TEST(ReportTextsDialog, AcceptWritesThePanelsFieldsWithZerosToTheirEnds)
{
    ReportTexts texts = storedTexts();
    const QByteArray before = texts.bytes();
    TFormRepFormate dialog(texts, ReportTextsPanel::Certificate);
    typeInto(dialog, "field0", QStringLiteral("ГИС"));
    typeInto(dialog, "field1", QString());
    typeInto(dialog, "field4", QStringLiteral("ООО Облгаз"));
    ASSERT_TRUE(clickButton(dialog, QStringLiteral("Принять")));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(texts.bytes().mid(0, 100), toWindows1251(QStringLiteral("ГИС")) + QByteArray(97, '\0'));
    EXPECT_EQ(texts.bytes().mid(100, 100), QByteArray(100, '\0'));
    EXPECT_EQ(texts.representative(0), QStringLiteral("ООО Облгаз"));
    EXPECT_EQ(texts.bytes().mid(500), before.mid(500));
}

TEST(ReportTextsDialog, CancelLeavesTheTextsAsTheyWere)
{
    ReportTexts texts = storedTexts();
    const QByteArray before = texts.bytes();
    TFormRepFormate dialog(texts, ReportTextsPanel::Passport);
    typeInto(dialog, "field0", QStringLiteral("Другой"));
    ASSERT_TRUE(clickButton(dialog, QStringLiteral("Отменить")));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(texts.bytes(), before);
}

TEST(ReportTextsMenu, ThePassportFormatIsEditedWithoutAConnectionAndSavedInReportIni)
{
    EXPECT_FALSE(menuItemHidden("NRepFormate", false, false));
    EXPECT_FALSE(menuItemHidden("NPaspFormate", false, false));
    TempWorkdir dir;
    AppState state(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    state.directory.ensureFolders();
    TFormMain window(state);
    whenOpen<TFormRepFormate>([](TFormRepFormate& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Формат суточного паспорта"));
        typeInto(dialog, "field3", QStringLiteral("Master"));
        clickButton(dialog, QStringLiteral("Принять"));
    });
    window.menu().action(QStringLiteral("NPaspFormate"))->trigger();
    const QByteArray saved = dir.read("REPORT/report.ini");
    ASSERT_EQ(saved.size(), ReportTexts::Size);
    EXPECT_EQ(saved.mid(651, 50), QByteArray("Master") + QByteArray(44, '\0'));
    EXPECT_EQ(saved[500], 9);
}

} // namespace
