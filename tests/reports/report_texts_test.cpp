#include "base/windows1251.h"
#include "reports/report_texts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ReportTexts, AMissingFileGivesEmptyTextsAndTheDayStartingAtNine)
{
    const QTemporaryDir folder;
    const ReportTexts texts = ReportTexts::read(folder.filePath(QStringLiteral("report.ini")));
    EXPECT_EQ(texts.dayStartHour(), 9);
    EXPECT_EQ(texts.signatureLine(0), QString());
    EXPECT_EQ(texts.bytes().size(), ReportTexts::Size);
}

TEST(ReportTexts, AFileShorterThanTheRecordCountsAsMissing)
{
    QByteArray bytes(600, 'x');
    bytes[500] = 6;
    EXPECT_EQ(ReportTexts::fromBytes(bytes).dayStartHour(), 9);
    EXPECT_EQ(ReportTexts::fromBytes(bytes).signatureLine(0), QString());
}

TEST(ReportTexts, ReadsTheSignatureLinesUpToTheirZeroAndTheDayStartHour)
{
    QByteArray bytes(ReportTexts::Size, '\0');
    bytes[500] = 6;
    bytes.replace(501, 6, toWindows1251(QStringLiteral("Мастер")));
    bytes.replace(751, 50, QByteArray(50, 'z')); // the last field's zero fell off the end
    const ReportTexts texts = ReportTexts::fromBytes(bytes);
    EXPECT_EQ(texts.dayStartHour(), 6);
    EXPECT_EQ(texts.signatureLine(0), QStringLiteral("Мастер"));
    EXPECT_EQ(texts.signatureLine(1), QString());
    EXPECT_EQ(texts.signatureLine(5), QString(50, 'z'));
}

// A record whose every byte is set: anything not overwritten shows.
ReportTexts fullRecord()
{
    QByteArray bytes(ReportTexts::Size, 'q');
    bytes[500] = 7;
    return ReportTexts::fromBytes(bytes);
}

TEST(ReportTexts, GivesTheHeadingLinesAndRepresentativesBoundedByTheirFields)
{
    const ReportTexts texts = fullRecord();
    EXPECT_EQ(texts.headingLine(0), QString(100, 'q'));
    EXPECT_EQ(texts.headingLine(3), QString(100, 'q'));
    EXPECT_EQ(texts.representative(0), QString(50, 'q'));
    EXPECT_EQ(texts.representative(1), QString(50, 'q')) << "stops before the day-start hour";
}

TEST(ReportTexts, StoringTheCertificatePanelFillsEachFieldWithZerosAndLeavesThePassportAlone)
{
    ReportTexts texts = fullRecord();
    const QByteArray before = texts.bytes();
    texts.storePanel(ReportTextsPanel::Certificate,
                     {QStringLiteral("ГИС"), QString(), QString(120, 'x'), QString(), QString(), QString(60, 'y')});
    const QByteArray& bytes = texts.bytes();
    EXPECT_EQ(bytes.mid(0, 100), toWindows1251(QStringLiteral("ГИС")) + QByteArray(97, '\0'));
    EXPECT_EQ(bytes.mid(100, 100), QByteArray(100, '\0')) << "an emptied line keeps nothing of the old one";
    EXPECT_EQ(bytes.mid(200, 100), QByteArray(99, 'x') + '\0');
    EXPECT_EQ(bytes.mid(450, 50), QByteArray(49, 'y') + '\0');
    EXPECT_EQ(bytes.mid(500), before.mid(500)) << "the hour and the passport's lines are untouched";
    EXPECT_EQ(texts.headingLine(2), QString(99, 'x'));
}

TEST(ReportTexts, StoringThePassportPanelFillsTheSixSignatureLinesOnly)
{
    ReportTexts texts = fullRecord();
    const QByteArray before = texts.bytes();
    texts.storePanel(ReportTextsPanel::Passport,
                     {QStringLiteral("Мастер"), QString(), QString(), QString(), QString(), QString(70, 'z')});
    const QByteArray& bytes = texts.bytes();
    EXPECT_EQ(bytes.size(), ReportTexts::Size);
    EXPECT_EQ(bytes.left(501), before.left(501));
    EXPECT_EQ(bytes.mid(501, 50), toWindows1251(QStringLiteral("Мастер")) + QByteArray(44, '\0'));
    EXPECT_EQ(bytes.mid(551, 50), QByteArray(50, '\0'));
    EXPECT_EQ(bytes.mid(751, 50), QByteArray(49, 'z') + '\0');
}

TEST(ReportTexts, PanelsListTheirFieldsInTheOrderEnterMovesThrough)
{
    QList<int> offsets;
    for (const ReportTextField& field : ReportTexts::panelFields(ReportTextsPanel::Certificate))
        offsets << field.offset;
    EXPECT_EQ(offsets, QList<int>({0, 100, 200, 300, 400, 450}));
    offsets.clear();
    for (const ReportTextField& field : ReportTexts::panelFields(ReportTextsPanel::Passport))
        offsets << field.offset;
    EXPECT_EQ(offsets, QList<int>({501, 551, 601, 651, 701, 751}));
    EXPECT_EQ(ReportTexts::panelFields(ReportTextsPanel::Certificate).value(4).maxLength(), 49);
}

TEST(ReportTexts, TheEditorTakesAnHourPast23AsNine)
{
    QByteArray bytes(ReportTexts::Size, '\0');
    bytes[500] = 24;
    ReportTexts late = ReportTexts::fromBytes(bytes);
    late.correctDayStartHour();
    EXPECT_EQ(late.dayStartHour(), 9);
    bytes[500] = 23;
    ReportTexts lastHour = ReportTexts::fromBytes(bytes);
    lastHour.correctDayStartHour();
    EXPECT_EQ(lastHour.dayStartHour(), 23);
}

} // namespace
