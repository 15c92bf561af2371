#include "sim_test_frames.h"

#include "crc/crc16.h"
#include "sim/sim_controller.h"
#include "sim/sim_fault.h"

#include <gtest/gtest.h>

using namespace SimTestFrames;

namespace {

QList<SimFault> faultsFrom(const char* text)
{
    QList<SimFault> faults;
    QString error;
    EXPECT_TRUE(SimFault::parseText(QString::fromLatin1(text), &faults, &error)) << error.toStdString();
    return faults;
}

SimController controllerWith(const char* faultText)
{
    SimControllerOptions options;
    options.faults = faultsFrom(faultText);
    return SimController(options);
}

TEST(SimFaultFile, RefusesBadLinesNamingTheLine)
{
    const char* bad[] = {"request x silence", "sometimes 3 silence", "code 1 cut",  "code 1 garbage zz",
                         "code 1 pause 5",    "request 2 explode",   "code 1 crc 5"};
    for (const char* line : bad) {
        QList<SimFault> faults;
        QString error;
        EXPECT_FALSE(SimFault::parseText(QStringLiteral("# comment\n\n") + QString::fromLatin1(line), &faults, &error))
            << line;
        EXPECT_TRUE(error.startsWith(QStringLiteral("line 3:"))) << error.toStdString();
    }
}

TEST(SimFaultFile, EachFaultDoesWhatItSays)
{
    SimController controller = controllerWith("request 1 garbage 00 12 FE  # noise first\n"
                                              "request 2 crc\n"
                                              "request 3 silence\n"
                                              "request 4 cut 5\n"
                                              "request 5 pause 4 250\n"
                                              "request 6 error 60 5\n"
                                              "request 7 address 9\n");
    const QByteArray request = readRequest(0, 0, 18);
    const QByteArray clean = answerFrame(SimController(SimControllerOptions()).handle(request));
    ASSERT_EQ(clean.size(), 28);
    const QByteArray preambles(3, static_cast<char>(0xFF));

    std::optional<SimAnswer> answer = controller.handle(request);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->bytes, QByteArray::fromHex("0012FE") + preambles + clean);

    answer = controller.handle(request);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->bytes.size(), 3 + clean.size());
    EXPECT_NE(crc16(answerFrame(answer)), 0);

    EXPECT_FALSE(controller.handle(writeRequest(adjuster(), 6, 6, "\x0a"))) << "a request not heard";
    EXPECT_EQ(static_cast<int>(controller.table(6)[6]), 9) << "and not carried out";

    EXPECT_EQ(answerFrame(controller.handle(request)), clean.left(5));

    answer = controller.handle(request);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->bytes, preambles + clean);
    EXPECT_EQ(answer->pauseAt, 3 + 4);
    EXPECT_EQ(answer->pauseMs, 250);

    const QByteArray refusal = answerFrame(controller.handle(request));
    EXPECT_EQ(crc16(refusal), 0);
    EXPECT_EQ(errorCode(refusal), 60);
    EXPECT_EQ(static_cast<int>(refusal[6]), 5);

    const QByteArray elsewhere = answerFrame(controller.handle(request));
    EXPECT_EQ(crc16(elsewhere), 0);
    EXPECT_EQ(static_cast<int>(elsewhere[1]), 9);
    EXPECT_EQ(elsewhere.mid(2), clean.mid(2, clean.size() - 4) + elsewhere.right(2));

    EXPECT_EQ(answerFrame(controller.handle(request)), clean) << "request 8 has no fault";
}

TEST(SimFaultFile, FunctionCodeFaultsHitEveryRequestWithThatCode)
{
    SimController controller = controllerWith("code 12 error 10\n");
    EXPECT_EQ(errorCode(answerFrame(controller.handle(readRequest(0, 0, 1)))), 0);
    for (int round = 0; round < 2; ++round)
        EXPECT_EQ(errorCode(answerFrame(controller.handle(correctionRequest(adjuster(), 5)))), 10);

    controller.setFaults(faultsFrom("request 1 silence"));
    EXPECT_FALSE(controller.handle(readRequest(0, 0, 1))) << "request numbers count from the new faults";
    EXPECT_TRUE(controller.handle(readRequest(0, 0, 1)));
    EXPECT_FALSE(controller.handle(readRequest(0, 0, 1, 7))) << "another controller's request";
}

} // namespace
