#include "archives/archive_file_builder.h"
#include "archives/record_bytes.h"
#include "dialog_widgets.h"
#include "forms/tformarhivhdm_chr.h"
#include "forms/tformarhmom_wmt.h"
#include "forms/tformques_prn.h"
#include "reports/organisation_title.h"
#include "support/pdf_text.h"
#include "viewer_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

class ArchivePrintingWindows : public ViewerFixture {};

QStringList labelTexts(QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

} // namespace

TEST_F(ArchivePrintingWindows, PrintAsksForTheOrganisationPreviewsAndSavesTheSameDocumentAsPdf)
{
    const ArchiveFile file =
        archiveFile(ArchiveKind::ChromHourly, {RecordBytes::chromInterval(bytes({26, 3, 15, 10, 0, 0}), 11, 0)});
    TFormArhivHDM_Chr viewer(file, context());
    person.chooseFileName(dir.file("HOURDATA/printed"));
    QStringList choiceTexts;
    bool previewed = false;
    whenOpen<TFormQues_Prn>([&](TFormQues_Prn& choice) {
        choiceTexts = labelTexts(choice);
        EXPECT_EQ(choice.windowTitle(), " Данные для печати");
        EXPECT_EQ(choice.size(), QSize(532, 212));
        typeInto(choice, "organisation", "ПАО Газ");
        whenOpen<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
            previewed = true;
            auto* savePdf = preview.findChild<QAction*>("savePdf");
            ASSERT_NE(savePdf, nullptr);
            savePdf->trigger();
            preview.reject();
        });
        clickButton(choice, "Печатать");
    });
    ASSERT_TRUE(clickButton(viewer, "Печать"));

    EXPECT_TRUE(choiceTexts.contains("Часовые измерительные данные хроматографа"));
    EXPECT_TRUE(choiceTexts.contains("за период  с  15.03.26  10ч  по  16.03.26  11ч"));
    EXPECT_TRUE(previewed);
    ASSERT_EQ(person.messages().size(), 1) << "the preview painted: no printing error";
    EXPECT_EQ(person.messages()[0].line1, "Данные сохранены в файле printed.pdf.");
    EXPECT_EQ(person.fileChoices().at(0).proposedName, "gqc_04-017-261209.pdf");
    const QStringList pages = pdfPages(dir.read("HOURDATA/printed.pdf"));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("ПАО Газ"));
    EXPECT_TRUE(pages[0].contains("15.03.26"));
    EXPECT_EQ(OrganisationTitle::read(dir.file("INI/title.ini")), "ПАО Газ");
}

TEST_F(ArchivePrintingWindows, CancelledChoicePrintsNothing)
{
    const ArchiveFile file = archiveFile(ArchiveKind::WmtFiveMinute, {RecordBytes::wmtMoment});
    TFormArhMom_Wmt viewer(file, context());
    whenOpen<TFormQues_Prn>([](TFormQues_Prn& choice) {
        EXPECT_TRUE(labelTexts(choice).contains("контроллерa  ККГ_04"));
        clickButton(choice, "Отменить");
    });
    ASSERT_TRUE(clickButton(viewer, "Печать"));
    EXPECT_TRUE(person.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(dir.file("INI/title.ini")));
}
