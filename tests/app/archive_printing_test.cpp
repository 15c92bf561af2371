#include "app/archive_printing.h"
#include "archives/archive_file_builder.h"
#include "archives/record_bytes.h"
#include "reports/organisation_title.h"
#include "settings/work_directory.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

// Print windows that confirm the name they are told (none: cancel) and keep
// what they were shown.
class ScriptedPrintWindows : public PrintWindows {
public:
    std::optional<QString> confirmed;
    bool paints = true;
    QList<DocumentTitle> titles;
    QStringList presetNames;
    QList<ReportDocument> shown;

    std::optional<QString> choosePrinting(const DocumentTitle& title, const QString& organisation) override
    {
        titles << title;
        presetNames << organisation;
        return confirmed;
    }
    bool showPrintout(const ReportDocument& document) override
    {
        shown << document;
        return paints;
    }
};

class ArchivePrinting : public ::testing::Test {
protected:
    void SetUp() override { directory.ensureFolders(); }

    void print() { printArchive(person, directory, windows, file, *table, settings); }
    QString titleFile() const { return dir.path() + "/INI/title.ini"; }
    QString printedOrganisation() const { return windows.shown.first().pages.first().bands.first().cells.first().text; }

    const ArchiveFile file = archiveFile(ArchiveKind::WmtFiveMinute, {RecordBytes::wmtMoment});
    const ReportSettings settings = ReportSettings::fromBytes({});
    const std::unique_ptr<ArchiveTable> table = ArchiveTable::of(file, settings);
    TempWorkdir dir;
    WorkDirectory directory{dir.path()};
    ScriptedOperator person;
    ScriptedPrintWindows windows;
};

} // namespace

TEST_F(ArchivePrinting, AMissingTitleFilePresetsAnEmptyNameAndEnteringOneCreatesIt)
{
    windows.confirmed = QStringLiteral("ПАО Газ");
    print();
    ASSERT_EQ(windows.presetNames, QStringList{QString()});
    EXPECT_EQ(windows.titles.first().title, "Мгновенные данные влагомера");
    EXPECT_EQ(windows.titles.first().second, "контроллерa  ККГ_04");
    EXPECT_EQ(OrganisationTitle::read(titleFile()), "ПАО Газ");
    EXPECT_EQ(QFileInfo(titleFile()).size(), 40);
    ASSERT_EQ(windows.shown.size(), 1);
    EXPECT_EQ(printedOrganisation(), "ПАО Газ");
    EXPECT_TRUE(person.messages().isEmpty());
}

TEST_F(ArchivePrinting, AnUnchangedNameLeavesTheFileAlone)
{
    dir.write(QStringLiteral("INI/title.ini"), "Station" + QByteArray(33, '\0') + "tail kept");
    windows.confirmed = QStringLiteral("Station");
    print();
    EXPECT_EQ(windows.presetNames, QStringList{"Station"});
    EXPECT_TRUE(dir.read(QStringLiteral("INI/title.ini")).endsWith("tail kept"));
}

TEST_F(ArchivePrinting, CancelPrintsNothingAndWritesNothing)
{
    print();
    EXPECT_TRUE(windows.shown.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(titleFile()));
}

TEST_F(ArchivePrinting, APrintoutThatCannotBePaintedIsTold)
{
    windows.confirmed = QString();
    windows.paints = false;
    print();
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(person.messages()[0].line1, "Ошибка печати данных");
}

TEST_F(ArchivePrinting, APrintoutIsSavedAsPdfUnderTheArchivesNameWithThePdfExtension)
{
    person.chooseFileName(dir.path() + "/MOMDATA/printed");
    savePrintoutPdf(person, directory, file, "%PDF-1.4 printout", QDate(2026, 12, 9));
    ASSERT_EQ(person.fileChoices().size(), 1);
    EXPECT_EQ(person.fileChoices()[0].proposedName, "gqc_04-017-261209.pdf");
    EXPECT_EQ(person.fileChoices()[0].directory, directory.fiveMinuteData());
    EXPECT_EQ(dir.read(QStringLiteral("MOMDATA/printed.pdf")), "%PDF-1.4 printout");
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Данные сохранены в файле printed.pdf.");
}

TEST_F(ArchivePrinting, APrintoutThatCouldNotBeMadeIsNotSaved)
{
    savePrintoutPdf(person, directory, file, {}, QDate(2026, 12, 9));
    EXPECT_TRUE(person.fileChoices().isEmpty());
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Ошибка печати данных");
}
