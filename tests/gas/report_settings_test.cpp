#include "gas/report_settings.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

namespace {

// The five choices, then the twenty digit counts from `counts` (4 past its end).
QByteArray choicesAndCounts(const QByteArray& choices, const QByteArray& counts)
{
    return choices + counts + QByteArray(ReportSettings::gasParameterCount - counts.size(), 4);
}

} // namespace

TEST(ReportSettingsLoading, AMissingFileGivesTheFirstChoicesAndFourDigits)
{
    const ReportSettings settings = ReportSettings::load(TempWorkdir().file("repconf.ini"));
    EXPECT_EQ(settings.bytes(), choicesAndCounts(QByteArray(5, 0), {}));
}

TEST(ReportSettingsLoading, ChoicesOtherThanZeroOrOneAndCountsOutsideTwoToFiveAreCorrected)
{
    TempWorkdir dir;
    dir.write("repconf.ini",
              QByteArray::fromHex("0102ff0101") + QByteArray::fromHex("02050106000309ff") + QByteArray(12, 3));
    const ReportSettings settings = ReportSettings::load(dir.file("repconf.ini"));
    EXPECT_EQ(settings.bytes(),
              QByteArray::fromHex("0100000101") + QByteArray::fromHex("0205040404030404") + QByteArray(12, 3));
}

TEST(ReportSettingsLoading, AShortFileKeepsWhatItHoldsAndALongOneIsReadToItsTwentyFifthByte)
{
    EXPECT_EQ(ReportSettings::fromBytes(QByteArray::fromHex("01010101010305")).bytes(),
              choicesAndCounts(QByteArray(5, 1), QByteArray::fromHex("0305")));
    EXPECT_EQ(ReportSettings::fromBytes(QByteArray::fromHex("0100010001") + QByteArray(20, 5) + "extra").bytes(),
              QByteArray::fromHex("0100010001") + QByteArray(20, 5));
}
