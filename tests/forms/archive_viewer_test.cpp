#include "app/app_state.h"
#include "archives/archive_file_builder.h"
#include "archives/record_bytes.h"
#include "dialog_widgets.h"
#include "forms/archive_viewers.h"
#include "forms/main_menu_bar.h"
#include "forms/tformarhivhd_wmt.h"
#include "forms/tformarhivhdm_chr.h"
#include "forms/tformarhmom_chr.h"
#include "forms/tformarhmom_wmt.h"
#include "forms/tformchromerror.h"
#include "forms/tformmain.h"
#include "support/workbook_reader.h"
#include "viewer_fixture.h"

#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

class ArchiveViewerWindow : public ViewerFixture {};

// Shown and active, as a window the operator works in: its shortcuts reach it.
void showActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
}

QString cell(QTableView& view, int row, int column)
{
    return view.model()->index(row, column).data().toString();
}

// The texts of the window's buttons from left to right.
QStringList buttonRow(QWidget& window)
{
    QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
    std::ranges::sort(buttons, {}, [](const QPushButton* button) { return button->x(); });
    QStringList texts;
    for (const QPushButton* button : buttons)
        texts << button->text();
    return texts;
}

} // namespace

TEST_F(ArchiveViewerWindow, AFiveMinuteViewerShowsTheCellsTogglesTheServiceViewAndSaves)
{
    const ArchiveFile file =
        archiveFile(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0x82),
                                                   RecordBytes::chromMoment(bytes({26, 3, 15, 10, 10, 0}), 0)});
    TFormArhMom_Chr viewer(file, context());
    showActive(viewer);
    EXPECT_EQ(viewer.windowTitle(),
              "Мгновенные данные хроматографа за период  с  15.03.26 10:00:00  по  16.03.26 11:00:00");
    EXPECT_EQ(cell(viewer.statusView(), 0, 1), "  10:05:00");
    EXPECT_EQ(cell(viewer.valueView(), 0, 0), " Выкл.");
    EXPECT_EQ(cell(viewer.valueView(), 1, 8), "  8.5000");
    EXPECT_EQ(viewer.valueView().model()->headerData(8, Qt::Horizontal).toString(), "МД\nметана,\n \n%");

    EXPECT_TRUE(viewer.statusView().isColumnHidden(2));
    QTest::keyClick(&viewer, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(viewer.serviceView());
    EXPECT_FALSE(viewer.statusView().isColumnHidden(2));
    EXPECT_FALSE(viewer.statusView().isColumnHidden(3));
    QTest::keyClick(&viewer, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(viewer.statusView().isColumnHidden(3));

    person.chooseFileName(dir.file("MOMDATA/saved"));
    ASSERT_TRUE(clickButton(viewer, "Сохранить в файле"));
    EXPECT_EQ(person.fileChoices().at(0).proposedName, "gqc_04-017-261209.mch");
    EXPECT_EQ(dir.read("MOMDATA/saved.mch"), file.header.bytes() + file.records.bytes());
}

TEST_F(ArchiveViewerWindow, ADoubleClickInTheServiceViewOpensTheRecordsStatus)
{
    const ArchiveFile file =
        archiveFile(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0x22)});
    TFormArhMom_Chr viewer(file, context());
    showActive(viewer);
    QTest::keyClick(&viewer, Qt::Key_S, Qt::ControlModifier);
    QString caption;
    bool chromatographPanel = true;
    whenOpen<TFormChromError>([&](TFormChromError& dialog) {
        caption = dialog.windowTitle();
        chromatographPanel = child<QGroupBox>(dialog, "chromatographPanel") != nullptr;
        clickButton(dialog, "Выход");
    });
    QTableView& values = viewer.valueView();
    const QPoint inCell = values.visualRect(values.model()->index(0, 0)).center();
    // A view takes a double click on the cell it was pressed on.
    QTest::mouseClick(values.viewport(), Qt::LeftButton, {}, inCell);
    QTest::mouseDClick(values.viewport(), Qt::LeftButton, {}, inCell);
    EXPECT_EQ(caption, " Мгновенные 5-минутные данные (15.03.26  10:05:00)");
    EXPECT_FALSE(chromatographPanel) << "off and without link: no chromatograph panel";
}

TEST_F(ArchiveViewerWindow, AnHourlyViewerOpensModalOnItsLastRowSelected)
{
    QList<QByteArray> records;
    for (std::uint8_t hour = 0; hour < 24; ++hour)
        records << RecordBytes::chromInterval(bytes({26, 3, 15, hour, 0, 0}), static_cast<std::uint8_t>(hour + 1), 0);
    const ArchiveFile file = archiveFile(ArchiveKind::ChromHourly, records);
    int selectedRow = -1;
    QString lastStart;
    whenOpen<TFormArhivHDM_Chr>([&](TFormArhivHDM_Chr& viewer) {
        selectedRow = viewer.valueView().currentIndex().row();
        lastStart = cell(viewer.statusView(), viewer.statusView().currentIndex().row(), 1);
        clickButton(viewer, "Выход");
    });
    showArchiveViewer(file, context(), nullptr);
    EXPECT_EQ(selectedRow, 23);
    EXPECT_EQ(lastStart, "   23:00:00");
}

TEST_F(ArchiveViewerWindow, TheMenuOpensAFileIntoItsViewerWithoutAConnection)
{
    const ArchiveFile file =
        archiveFile(ArchiveKind::WmtDaily, {RecordBytes::wmtDaily, RecordBytes::wmtDaily, RecordBytes::wmtDaily});
    dir.write("DAYDATA/days.dwm", file.header.bytes() + file.records.bytes());
    AppState state(directory, QSize(1280, 1024), QDateTime::currentDateTime());
    TFormMain window(state);
    window.show();

    QString title;
    QString filter;
    int rows = -1;
    whenOpen<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filter = dialog.selectedNameFilter();
        whenOpen<TFormArhivHD_Wmt>([&](TFormArhivHD_Wmt& viewer) {
            rows = viewer.valueView().model()->rowCount();
            clickButton(viewer, "Выход");
        });
        dialog.selectFile(dir.file("DAYDATA/days.dwm"));
        static_cast<QDialog&>(dialog).accept(); // as "Open" does
    });
    window.menu().action("NWmt_ViewDay")->trigger();
    EXPECT_EQ(title, "Выберите файл с данными");
    EXPECT_EQ(filter, "Суточные данные влагомера (*.dwm)");
    EXPECT_EQ(rows, 3);
}

TEST_F(ArchiveViewerWindow, OnlyTheChromatographViewersExportAWorkbook)
{
    const ArchiveFile hours =
        archiveFile(ArchiveKind::ChromHourly, {RecordBytes::chromInterval(bytes({26, 3, 15, 10, 0, 0}), 11, 0)});
    TFormArhivHDM_Chr hourly(hours, context());
    showActive(hourly);
    const QStringList exporting{"Сохранить в файле", "Печать", "График", "Сохранить в формате Excel", "Выход"};
    EXPECT_EQ(buttonRow(hourly), exporting);

    person.chooseFileName(dir.file("HOURDATA/hours"));
    ASSERT_TRUE(clickButton(hourly, "Сохранить в формате Excel"));
    EXPECT_EQ(person.fileChoices().at(0).proposedName, "gqc_04-017-261209.xlsx");
    EXPECT_EQ(readWorkbook(dir.file("HOURDATA/hours.xlsx")).text("C6"), "   11:00:00");
    EXPECT_TRUE(hourly.isEnabled()) << "enabled again once the workbook is written";

    const ArchiveFile moments =
        archiveFile(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0)});
    TFormArhMom_Chr fiveMinute(moments, context());
    showActive(fiveMinute);
    EXPECT_EQ(buttonRow(fiveMinute), (QStringList{"Сохранить в файле", "Печать", "График", "Печать 1 анализа",
                                                  "Сохранить в формате Excel", "Выход"}));

    const ArchiveFile wmt = archiveFile(ArchiveKind::WmtFiveMinute, {RecordBytes::wmtMoment});
    TFormArhMom_Wmt moisture(wmt, context());
    showActive(moisture);
    EXPECT_EQ(buttonRow(moisture), (QStringList{"Сохранить в файле", "Печать", "График", "Выход"}));
}
