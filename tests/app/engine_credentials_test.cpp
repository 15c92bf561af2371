#include "app/engine_credentials.h"

#include "support/engine_settings.h"
#include "support/fake_line.h"
#include "support/frames.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr int CredentialsAt = 4; // R[4..19] of a write request: password, then user code

class BlankCredentialsOnFakeLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        changeSettings(engine, [](ExchangeSettings& s) {
            s.openPerRequest = false;
            s.attempts = 1;
            s.bitRate = 115200;
            s.linkKind = LinkKind::Modem;
        });
        engine.setTransport(line.connect());
        loadCredentials(engine, operatorOwn);
    }

    // The credentials of the write request the line received last.
    QByteArray sentCredentials() const { return line.writes().last().mid(CredentialsAt, 16); }
    bool writeSomething()
    {
        line.answer(TestFrames::answer(1, 0x82, QByteArray::fromHex("00040001")));
        return engine.request(2, QByteArray::fromHex("0400014142"));
    }

    const OperatorCredentials operatorOwn{"222222      ", "0002"};
    FakeLine line;
    hgcbox engine{1};
};

} // namespace

TEST_F(BlankCredentialsOnFakeLine, WritesInsideTheScopeCarryBlanksAndTheOperatorsComeBack)
{
    {
        const ScopedBlankCredentials blank(engine);
        EXPECT_EQ(engineCredentials(engine), OperatorCredentials{});
        ASSERT_TRUE(writeSomething());
        EXPECT_EQ(sentCredentials(), QByteArray(16, ' '));
    }
    EXPECT_EQ(engineCredentials(engine), operatorOwn);
    ASSERT_TRUE(writeSomething());
    EXPECT_EQ(sentCredentials(), "222222      0002");
}

TEST_F(BlankCredentialsOnFakeLine, TheOperatorsComeBackWhenTheScopeIsLeftByAnException)
{
    try {
        const ScopedBlankCredentials blank(engine);
        throw std::runtime_error("the procedure gave up");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(engineCredentials(engine), operatorOwn);
}

TEST_F(BlankCredentialsOnFakeLine, OtherSettingsChangedInsideTheScopeStay)
{
    {
        const ScopedBlankCredentials blank(engine);
        changeSettings(engine, [](ExchangeSettings& s) {
            s.address = 9;
            s.bitRate = 9600;
        });
    }
    EXPECT_EQ(engine.address(), 9);
    EXPECT_EQ(engine.settings().bitRate, 9600);
    EXPECT_EQ(engineCredentials(engine), operatorOwn);
}

TEST(EngineCredentials, LoadedCredentialsAreBlankPaddedOrCut)
{
    hgcbox engine(1);
    EXPECT_EQ(engineCredentials(engine), OperatorCredentials{});
    loadCredentials(engine, {"abc", "1234567"});
    EXPECT_EQ(engineCredentials(engine), (OperatorCredentials{"abc         ", "1234"}));
}
