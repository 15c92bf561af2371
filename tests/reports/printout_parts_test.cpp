#include "reports/printout_parts.h"

#include <gtest/gtest.h>

TEST(PrintoutParts, FiftyEightRowsAreOnePartFollowedByTheSummary)
{
    EXPECT_EQ(printoutParts(58), (QList<PrintoutPart>{{0, 58, true}}));
    EXPECT_EQ(printoutParts(0), (QList<PrintoutPart>{{0, 0, true}}));
}

TEST(PrintoutParts, RowsTheFirstPageTakesAllLeaveTheSummaryAPartOfItsOwn)
{
    EXPECT_EQ(printoutParts(59), (QList<PrintoutPart>{{0, 59, false}, {59, 0, true}}));
    EXPECT_EQ(printoutParts(75), (QList<PrintoutPart>{{0, 75, false}, {75, 0, true}}));
}

TEST(PrintoutParts, FullPagesFollowTheFirstUntilALastPageHasRoomForTheSummary)
{
    EXPECT_EQ(printoutParts(145), (QList<PrintoutPart>{{0, 75, false}, {75, 70, true}}));
    EXPECT_EQ(printoutParts(300),
              (QList<PrintoutPart>{{0, 75, false}, {75, 85, false}, {160, 85, false}, {245, 55, true}}));
}

TEST(PrintoutParts, ALastPageOfMoreThanSeventyRowsLeavesTheSummaryAPartOfItsOwn)
{
    EXPECT_EQ(printoutParts(146), (QList<PrintoutPart>{{0, 75, false}, {75, 71, false}, {146, 0, true}}));
    EXPECT_EQ(printoutParts(245),
              (QList<PrintoutPart>{{0, 75, false}, {75, 85, false}, {160, 85, false}, {245, 0, true}}));
}
