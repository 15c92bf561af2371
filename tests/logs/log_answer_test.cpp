#include "logs/log_answer.h"
#include "logs/log_request.h"

#include <gtest/gtest.h>

namespace {

// An answer frame: 0xCC, address, length, code, the body, two checksum bytes
// (the parser does not look at them: the engine has checked them).
QByteArray frameOf(std::uint8_t code, const QByteArray& body)
{
    QByteArray frame;
    frame.append(char(0xCC)).append(char(1)).append(char(body.size() + 6)).append(char(code));
    return frame + body + QByteArray(2, '\0');
}

QByteArray indexAnswer(int announced, int present, int recordSize)
{
    QByteArray body(6, '\0');
    body.append(static_cast<char>(announced));
    for (int i = 0; i < present; ++i)
        body += QByteArray(recordSize, static_cast<char>('a' + i));
    return frameOf(7, body);
}

QByteArray periodAnswer(std::uint8_t flags, int announced, bool more, int present, int recordSize)
{
    QByteArray body;
    body.append(static_cast<char>(flags)).append(char(3)).append(static_cast<char>(announced)).append(char(more));
    for (int i = 0; i < present; ++i)
        body += QByteArray(recordSize, static_cast<char>('a' + i));
    return frameOf(8, body);
}

TEST(LogAnswers, AnIndexAnswerGivesTheRecordsItAnnounces)
{
    const LogAnswer answer = parseIndexAnswer(LogKind::Interventions, indexAnswer(3, 3, 24), 10);
    ASSERT_TRUE(answer.believed);
    EXPECT_EQ(answer.count, 3);
    EXPECT_EQ(answer.records, QByteArray(24, 'a') + QByteArray(24, 'b') + QByteArray(24, 'c'));
}

TEST(LogAnswers, AnAnswerAnnouncingMoreThanItHoldsOrThanWasAskedIsAFailedRequest)
{
    EXPECT_FALSE(parseIndexAnswer(LogKind::Diagnostics, indexAnswer(5, 4, 22), 10).believed);
    EXPECT_FALSE(parseIndexAnswer(LogKind::Diagnostics, indexAnswer(5, 5, 22), 4).believed);
    EXPECT_FALSE(parseIndexAnswer(LogKind::Diagnostics, QByteArray(5, 'x'), 4).believed);
    EXPECT_FALSE(parsePeriodAnswer(LogKind::Interventions, periodAnswer(1, 10, true, 9, 24)).believed);
    EXPECT_TRUE(parsePeriodAnswer(LogKind::Interventions, periodAnswer(1, 9, true, 9, 24)).believed);
}

TEST(LogAnswers, APeriodAnswerCarriesTheMoreFlagAndTheLogError)
{
    const LogAnswer last = parsePeriodAnswer(LogKind::Diagnostics, periodAnswer(0, 2, false, 2, 22));
    ASSERT_TRUE(last.believed);
    EXPECT_EQ(last.count, 2);
    EXPECT_EQ(last.records, QByteArray(22, 'a') + QByteArray(22, 'b'));
    EXPECT_FALSE(last.more);
    EXPECT_FALSE(last.logError);
    const LogAnswer flagged = parsePeriodAnswer(LogKind::Diagnostics, periodAnswer(0x80, 1, true, 1, 22));
    EXPECT_TRUE(flagged.more);
    EXPECT_TRUE(flagged.logError);
}

TEST(LogRequests, RequestDataAndBlockNumbers)
{
    EXPECT_EQ(indexRequestData(LogKind::Interventions, 0x01020304, 10), QByteArray::fromHex("0001040302010a"));
    EXPECT_EQ(periodRequestData(LogKind::Diagnostics, 7, {26, 3, 15, 10, 0, 0}, {26, 3, 16, 1, 2, 3}),
              QByteArray::fromHex("000007"
                                  "1a030f0a0000"
                                  "1a0310010203"));
    EXPECT_EQ(nextLogBlock(0), 1);
    EXPECT_EQ(nextLogBlock(254), 255);
    EXPECT_EQ(nextLogBlock(255), 1) << "block 0 would start a new series";
}

} // namespace
