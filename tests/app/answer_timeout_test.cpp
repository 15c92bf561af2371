#include "app/app_state.h"
#include "app/link_connect.h"
#include "sim/sim_server.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

namespace {

struct WaitTimeCase {
    const char* written;     // "WaitTime" as gqc.ini holds it
    std::int32_t expectedMs; // the engine's answer time-out after connecting
};

// The answer time-out from gqc.ini to the engine, on a direct line to the
// simulated controller: whatever the file says, a request waits for its answer.
class AnswerTimeOut : public ::testing::TestWithParam<WaitTimeCase> {};

TEST_P(AnswerTimeOut, ReachesTheEngineAsAWaitAndTheControllerAnswers)
{
    SimServerOptions options;
    options.pty = true;
    SimServer server(options);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();
    TempWorkdir dir;
    dir.write("INI/gqc.ini", "[COM_PORTS]\r\nCOM40=" + server.ptyPath().toUtf8() +
                                 "\r\n[DIR_CONN_PAR]\r\nCOMPort=40\r\nRate=9600\r\nWaitTime=" + GetParam().written +
                                 "\r\n");
    AppState state(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
    ScriptedOperator person;
    state.setOperator(person);

    ASSERT_TRUE(connectChosenLink(state, person, {LinkKind::Direct, "1", -1}));
    EXPECT_EQ(state.engine.settings().answerTimeoutMs, GetParam().expectedMs);
    const char table0[] = {0, 0, 18};
    EXPECT_TRUE(state.engine.request(1, QByteArrayView(table0, 3))) << state.engine.errorMessage().toStdString();
}

INSTANTIATE_TEST_SUITE_P(GqcIni, AnswerTimeOut,
                         ::testing::Values(WaitTimeCase{"2147483", 2147483000}, // the longest that fits
                                           WaitTimeCase{"2147484", 2000}));     // out of range: the default, 2 s

} // namespace
