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

} // namespace
