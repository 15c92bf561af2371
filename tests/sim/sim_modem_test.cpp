#include "sim/sim_modem.h"

#include <gtest/gtest.h>

namespace {

TEST(SimModem, NumericResultsUntilVerbalAreAskedFor)
{
    SimModemSettings settings;
    settings.numericAtStart = true;
    SimModem modem(settings);
    EXPECT_EQ(modem.feed("ATE0\r", 0).toLine, QByteArray("ATE0\r0\r"));
    EXPECT_EQ(modem.feed("ATV1\r", 10).toLine, QByteArray("\r\nOK\r\n"));
    EXPECT_EQ(modem.feed("AT&FS0=0\r", 20).toLine, QByteArray("\r\nOK\r\n"));
    EXPECT_EQ(modem.feed("NOISE\r", 30).toLine, QByteArray()) << "a line without AT is ignored";
}

TEST(SimModem, EscapeNeedsSilenceOnBothSides)
{
    SimModem modem(SimModemSettings{});
    ASSERT_EQ(modem.feed("ATE0\rATD1\r", 0).toLine, QByteArray("ATE0\r\r\nOK\r\n\r\nCONNECT 9600\r\n"));
    ASSERT_TRUE(modem.online());

    EXPECT_EQ(modem.feed("\xCC+++", 1000).toController, QByteArray("\xCC+++")) << "no silence before";
    EXPECT_EQ(modem.feed("+++", 1100).toController, QByteArray("+++")) << "too soon after the last byte";

    EXPECT_EQ(modem.feed("+++", 2000).toController, QByteArray()) << "held back after silence";
    EXPECT_EQ(modem.feed("x", 2100).toController, QByteArray("+++x")) << "a byte within the guard time";

    EXPECT_EQ(modem.feed("+++", 3000).toController, QByteArray());
    EXPECT_EQ(modem.nextDeadline(), 3500);
    EXPECT_EQ(modem.poll(3400).toLine, QByteArray());
    EXPECT_TRUE(modem.online());
    EXPECT_EQ(modem.poll(3500).toLine, QByteArray("\r\nOK\r\n"));
    EXPECT_FALSE(modem.online());
    EXPECT_EQ(modem.feed("ATH\r", 3600).toLine, QByteArray("\r\nOK\r\n"));
}

} // namespace
