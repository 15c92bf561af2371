#include "app/controller_state_command.h"

#include <gtest/gtest.h>

#include <QList>

namespace {

// Plays the windows: the state window's answers and the table-state dialog's results, in turn.
struct Windows {
    QList<bool> stateAnswers;
    QList<TableInfo::Result> tableResults;
    QStringList shown;

    TableInfo::Result run()
    {
        return runControllerState(
            [this](TableStateSet&) {
                shown << "state";
                return stateAnswers.takeFirst();
            },
            [this](TableStateSet&) {
                shown << "tables";
                return tableResults.takeFirst();
            });
    }
};

} // namespace

TEST(ControllerStateCommand, LeavingTheStateWindowEndsAtOnce)
{
    Windows windows{{false}, {}, {}};
    EXPECT_EQ(windows.run(), TableInfo::Exit);
    EXPECT_EQ(windows.shown, QStringList{"state"});
}

TEST(ControllerStateCommand, ExitFromTheTableStatesReopensTheStateWindow)
{
    Windows windows{{true, true, false}, {TableInfo::Exit, TableInfo::Exit}, {}};
    EXPECT_EQ(windows.run(), TableInfo::Exit);
    EXPECT_EQ(windows.shown, (QStringList{"state", "tables", "state", "tables", "state"}));
}

TEST(ControllerStateCommand, AnyOtherResultEndsTheCommandWithIt)
{
    for (const auto result : {TableInfo::WriteChosen, TableInfo::WriteAll, TableInfo::Reset}) {
        Windows windows{{true}, {result}, {}};
        EXPECT_EQ(windows.run(), result);
        EXPECT_EQ(windows.shown, (QStringList{"state", "tables"}));
    }
}
