#include "app/archive_file_commands.h"
#include "archives/archive_file_builder.h"
#include "archives/archive_table.h"
#include "archives/record_bytes.h"
#include "scripted_archive_windows.h"
#include "settings/work_directory.h"
#include "support/failing_saves.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"
#include "support/workbook_reader.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

const QDate PcDate(2026, 12, 9);

class ArchiveFiles : public ::testing::Test {
protected:
    void SetUp() override { directory.ensureFolders(); }

    QStringList messages() const
    {
        QStringList texts;
        for (const auto& message : person.messages())
            texts << message.line1 + " / " + message.line2;
        return texts;
    }
    QString moments(const QString& name) const { return dir.path() + "/MOMDATA/" + name; }

    const ArchiveFile file =
        archiveFile(ArchiveKind::ChromFiveMinute,
                    {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0),
                     RecordBytes::damaged(RecordBytes::chromMoment(bytes({26, 3, 15, 10, 10, 0}), 0))});
    // The viewer's table of `file`, for its workbook.
    const std::unique_ptr<ArchiveTable> table = ArchiveTable::of(file, ReportSettings::fromBytes({}));
    TempWorkdir dir;
    WorkDirectory directory{dir.path()};
    ScriptedOperator person;
    ScriptedArchiveWindows windows;
};

} // namespace

TEST_F(ArchiveFiles, ASaveProposesTheAddressAndDateAndAddsTheExtension)
{
    person.chooseFileName(moments("station"));
    saveArchive(person, directory, file, PcDate);
    ASSERT_EQ(person.fileChoices().size(), 1);
    const FileChoice& choice = person.fileChoices()[0];
    EXPECT_EQ(choice.mode, FileChoice::Mode::Save);
    EXPECT_EQ(choice.title, "Введите имя файла для сохранения данных");
    EXPECT_EQ(choice.directory, dir.path() + "/MOMDATA");
    EXPECT_EQ(choice.proposedName, "gqc_04-017-261209.mch");
    EXPECT_EQ(dir.read("MOMDATA/station.mch"), file.header.bytes() + file.records.bytes())
        << "the header as received and the records as read, the damaged one too";
    EXPECT_EQ(messages(), QStringList{"Данные сохранены в файле station.mch. / "});
}

TEST_F(ArchiveFiles, AnAnswerNoToTheReplaceQuestionReturnsToTheDialog)
{
    dir.write("MOMDATA/old.mch", "kept");
    person.chooseFileName(moments("old"));
    person.answerNo();
    person.chooseFileName(moments("new.mch"));
    saveArchive(person, directory, file, PcDate);
    EXPECT_EQ(person.fileChoices().size(), 2);
    EXPECT_EQ(messages().first(), "Файл old.mch уже есть. / Вы хотите заменить существующий файл?");
    EXPECT_EQ(dir.read("MOMDATA/old.mch"), "kept");
    EXPECT_EQ(dir.read("MOMDATA/new.mch"), file.header.bytes() + file.records.bytes());
}

TEST_F(ArchiveFiles, AFailedSaveKeepsTheOldFileAndSaysSo)
{
    dir.write("MOMDATA/old.mch", "kept");
    const FailingSaves failing({SaveFault::Step::Write, 2, {}});
    person.chooseFileName(moments("old.mch"));
    person.answerYes();
    saveArchive(person, directory, file, PcDate);
    EXPECT_EQ(dir.read("MOMDATA/old.mch"), "kept");
    EXPECT_EQ(messages().last(), "Ошибка записи файла / " + QDir::toNativeSeparators(moments("old.mch")));
}

TEST_F(ArchiveFiles, AFileViewedAndSavedAgainIsTheSameByteForByte)
{
    dir.write("MOMDATA/read.mch", file.header.bytes() + file.records.bytes());
    person.chooseFileName(moments("read.mch"));
    viewArchiveFile(person, directory, ArchiveKind::ChromFiveMinute, windows);
    ASSERT_EQ(windows.shown.size(), 1);
    person.chooseFileName(moments("again.mch"));
    saveArchive(person, directory, windows.shown[0], PcDate);
    EXPECT_EQ(dir.read("MOMDATA/again.mch"), dir.read("MOMDATA/read.mch"));
}

TEST_F(ArchiveFiles, TheOpenDialogOffersEveryDataFileWithTheArchivesSelected)
{
    viewArchiveFile(person, directory, ArchiveKind::WmtHourly, windows);
    ASSERT_EQ(person.fileChoices().size(), 1);
    const FileChoice& choice = person.fileChoices()[0];
    EXPECT_EQ(choice.mode, FileChoice::Mode::Open);
    EXPECT_EQ(choice.title, "Выберите файл с данными");
    EXPECT_EQ(choice.directory, dir.path() + "/HOURDATA");
    EXPECT_TRUE(choice.proposedName.isEmpty());
    QStringList patterns;
    for (const QString& filter : choice.filter.split(";;"))
        patterns << filter.section('(', 1).chopped(1);
    EXPECT_EQ(patterns, (QStringList{"*.cnf", "*.srt", "*.ala", "*.aud", "*.mch", "*.mwm", "*.hch", "*.hwm", "*.dch",
                                     "*.dwm", "*.clb", "*"}));
    EXPECT_EQ(choice.chosenFilter, "Часовые данные влагомера (*.hwm)");
    EXPECT_TRUE(windows.shown.isEmpty()) << "cancelled";
}

TEST_F(ArchiveFiles, AForeignFileIsRefusedAndNothingIsShown)
{
    dir.write("MOMDATA/other.mwm", archiveFile(ArchiveKind::WmtFiveMinute, {}).header.bytes());
    person.chooseFileName(moments("other.mwm"));
    viewArchiveFile(person, directory, ArchiveKind::ChromFiveMinute, windows);
    EXPECT_TRUE(windows.shown.isEmpty());
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::InputError);
    EXPECT_EQ(messages()[0], "Файл other.mwm не является файлом, содержащим / мгновенные данные хроматографа из "
                             "архива 5-минутных данных");
}

TEST_F(ArchiveFiles, AHeaderCountBeyondTheFileShowsOnlyTheRecordsThere)
{
    ArchiveFileHeader header = file.header;
    header.setCount(1000);
    dir.write("MOMDATA/short.mch", header.bytes() + file.records.bytes() + QByteArray(50, '\0'));
    person.chooseFileName(moments("short.mch"));
    viewArchiveFile(person, directory, ArchiveKind::ChromFiveMinute, windows);
    ASSERT_EQ(windows.shown.size(), 1);
    EXPECT_EQ(windows.shown[0].records.count(), 2);
}

TEST_F(ArchiveFiles, AWorkbookExportProposesTheArchiveNameWithXlsxAndCountsTheRowsWritten)
{
    person.chooseFileName(moments("station"));
    exportArchiveWorkbook(person, directory, file, *table, PcDate);
    ASSERT_EQ(person.fileChoices().size(), 1);
    const FileChoice& choice = person.fileChoices()[0];
    EXPECT_EQ(choice.mode, FileChoice::Mode::Save);
    EXPECT_EQ(choice.title, "Введите имя файла для сохранения данных");
    EXPECT_EQ(choice.directory, dir.path() + "/MOMDATA");
    EXPECT_EQ(choice.proposedName, "gqc_04-017-261209.xlsx");
    EXPECT_EQ(choice.filter, "Книга Excel (*.xlsx);;Все файлы (*)");

    EXPECT_EQ(person.progressMode(), WaitMode::MakingSpreadsheet);
    EXPECT_EQ(person.progressMaximum(), 2 + 5) << "the records and the title and header";
    EXPECT_EQ(person.progressPositions(), (QList<int>{5, 6, 7}));
    EXPECT_FALSE(person.progressShown());
    EXPECT_EQ(messages(), QStringList{"Данные сохранены в файле station.xlsx / "});
    const WorkbookSheet sheet = readWorkbook(moments("station.xlsx"));
    EXPECT_EQ(sheet.text("B6"), "  10:05:00");
    EXPECT_EQ(sheet.text("A7"), "     Данные") << "a damaged record is exported as shown";
}

TEST_F(ArchiveFiles, AnAnswerNoToReplacingAWorkbookReturnsToTheDialogAndANameWithAnExtensionKeepsIt)
{
    dir.write("MOMDATA/old.xlsx", "kept");
    person.chooseFileName(moments("old"));
    person.answerNo();
    person.chooseFileName(moments("new.xls"));
    exportArchiveWorkbook(person, directory, file, *table, PcDate);
    EXPECT_EQ(person.fileChoices().size(), 2);
    EXPECT_EQ(messages(), (QStringList{"Файл old.xlsx уже есть. / Вы хотите заменить существующий файл?",
                                       "Данные сохранены в файле new.xls / "}));
    EXPECT_EQ(dir.read("MOMDATA/old.xlsx"), "kept");
    EXPECT_TRUE(dir.read("MOMDATA/new.xls").startsWith("PK")) << "a workbook under the name given";
}

TEST_F(ArchiveFiles, AWorkbookThatCannotBeSavedIsReportedAndTheOldFileStays)
{
    dir.write("MOMDATA/old.xlsx", "kept");
    const FailingSaves failing({SaveFault::Step::Write, 1, {}});
    person.chooseFileName(moments("old.xlsx"));
    person.answerYes();
    exportArchiveWorkbook(person, directory, file, *table, PcDate);
    EXPECT_EQ(dir.read("MOMDATA/old.xlsx"), "kept");
    EXPECT_EQ(person.messages().last().kind, MessageKind::Error);
    EXPECT_EQ(messages().last(), "Ошибка работы с файлом! / ");
    EXPECT_FALSE(person.progressShown());

    person.chooseFileName(dir.path() + "/NOFOLDER/new.xlsx");
    exportArchiveWorkbook(person, directory, file, *table, PcDate);
    EXPECT_EQ(messages().last(), "Ошибка работы с файлом! / ");
}
