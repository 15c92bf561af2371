#include "archives/archive_file_builder.h"
#include "archives/record_bytes.h"
#include "base/windows1251.h"
#include "dialog_widgets.h"
#include "forms/tformarhmom_chr.h"
#include "forms/tformquesprn.h"
#include "support/pdf_text.h"
#include "viewer_fixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

class PassportPrinting : public ViewerFixture {
protected:
    // Three analyses from 10:05: a good one, one while the chromatograph was off, one damaged.
    ArchiveFile analyses() const
    {
        QByteArray damaged = RecordBytes::chromMoment(bytes({26, 3, 15, 10, 15, 0}), 0);
        damaged[20] = static_cast<char>(damaged[20] ^ 0x55);
        return archiveFile(ArchiveKind::ChromFiveMinute,
                           {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 7}), 0),
                            RecordBytes::chromMoment(bytes({26, 3, 15, 10, 10, 0}), 0x02), damaged});
    }

    // Passport signature line 1 is "Начальник ГИС", the others are empty.
    void writeReportTexts()
    {
        QByteArray texts(801, '\0');
        const QByteArray line = toWindows1251(QStringLiteral("Начальник ГИС"));
        texts.replace(501, line.size(), line);
        QFile file(dir.file("REPORT/report.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(texts);
    }
};

QStringList labelTexts(QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// Clicks "Печать 1 анализа" with `row` selected (none: -1) and returns the
// lines of the message it told; a report dialog it should offer is left by
// "Выход" and fails the test.
QStringList refusalOf(TFormArhMom_Chr& viewer, const ScriptedOperator& person, int row)
{
    const qsizetype told = person.messages().size();
    if (row >= 0)
        viewer.valueView().selectRow(row);
    bool offered = false;
    QTimer::singleShot(0, [&] {
        if (auto* question = qobject_cast<TFormQuesPrn*>(QApplication::activeModalWidget())) {
            offered = true;
            clickButton(*question, "Выход");
        }
    });
    EXPECT_TRUE(clickButton(viewer, "Печать 1 анализа"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(offered) << "the passport of row " << row << " was offered";
    EXPECT_EQ(person.messages().size(), told + 1);
    if (person.messages().size() != told + 1)
        return {};
    return {person.messages().last().line1, person.messages().last().line2};
}

} // namespace

TEST_F(PassportPrinting, RefusesAPassportWithoutASelectedValidAnalysis)
{
    const ArchiveFile file = analyses();
    TFormArhMom_Chr viewer(file, context());

    EXPECT_EQ(refusalOf(viewer, person, -1), (QStringList{"Выберите анализ для печати паспорта", "(строку таблицы)"}));
    EXPECT_EQ(refusalOf(viewer, person, 1),
              (QStringList{"Паспорт анализа не может быть напечатан:", "Хроматограф был выключен"}));
    EXPECT_EQ(refusalOf(viewer, person, 2),
              (QStringList{"Паспорт анализа не может быть напечатан:", "Запись анализа повреждена (не совпадает КС)"}));
}

TEST_F(PassportPrinting, PreviewsThePassportOfTheSelectedAnalysisUntilTheOperatorChoosesExit)
{
    writeReportTexts();
    const ArchiveFile file = analyses();
    TFormArhMom_Chr viewer(file, context());
    viewer.valueView().selectRow(0);
    person.chooseFileName(dir.file("MOMDATA/passport"));

    QStringList questionTexts;
    int questions = 0;
    whenOpen<TFormQuesPrn>([&](TFormQuesPrn& question) {
        ++questions;
        questionTexts = labelTexts(question);
        EXPECT_EQ(question.windowTitle(), "Данные в отчете");
        whenOpen<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
            preview.findChild<QAction*>("savePdf")->trigger();
            preview.reject();
            whenNextOpen<TFormQuesPrn>([&](TFormQuesPrn& again) {
                ++questions;
                clickButton(again, "Выход");
            });
        });
        clickButton(question, "Просмотр");
    });
    ASSERT_TRUE(clickButton(viewer, "Печать 1 анализа"));

    EXPECT_EQ(questions, 2);
    EXPECT_EQ(questionTexts, (QStringList{"Физико-химические показатели природного газа",
                                          "по результатам однократного анализа", "10:05:07  15 марта 2026г"}));
    const QStringList pages = pdfPages(dir.read("MOMDATA/passport.pdf"));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].simplified().contains("по результатам однократного анализа 10:05:07 15 марта 2026г"));
    EXPECT_TRUE(pages[0].contains("Молярная доля метана (CH4)"));
    EXPECT_TRUE(pages[0].contains("Начальник ГИС"));
}
