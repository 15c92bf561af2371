#include "link/modem_reply_line.h"
#include "link/modem_results.h"

#include <gtest/gtest.h>

namespace {

// Feeds bytes until a line is complete; the line and the bytes left over.
std::pair<QByteArray, QByteArray> firstLine(const QByteArray& bytes)
{
    ModemReplyLine line;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        if (line.feed(bytes[at]))
            return {line.text(), bytes.mid(at + 1)};
    }
    return {};
}

TEST(ModemReplyLine, EchoIsSkippedAndTheLineEndsAfterItsText)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"\r\nOK\r\n", "\r\nOK\r"},
        {"ATE0\r\r\nOK\r\n", "\r\r\nOK\r"},
        {"ATD123\r\r\nCONNECT 9600\r\n", "\r\r\nCONNECT 9600\r"},
        {"ATE0\r0\r", "\r0\r"}, // numeric result right after the echo
        {"0\r", "0\r"},         // numeric result without echo
        {"AT1\r0\r", "\r0\r"},  // an echo that ends in digits is still an echo
    };
    for (const auto& [bytes, line] : cases)
        EXPECT_EQ(firstLine(bytes).first, line) << bytes.toStdString();
}

TEST(ModemReplyLine, ConsecutiveLinesLoseNoBytes)
{
    const auto [first, rest] = firstLine("\r\n+CPAS: 0\r\n\r\nOK\r\n");
    EXPECT_EQ(first, QByteArray("\r\n+CPAS: 0\r"));
    EXPECT_EQ(firstLine(rest).first, QByteArray("\n\r\nOK\r"));
}

TEST(ModemReplyLine, IncompleteOrEndlessLines)
{
    EXPECT_EQ(firstLine("ATE0 without an end"), (std::pair<QByteArray, QByteArray>{}));
    EXPECT_EQ(firstLine("ATE0\r\r\n\r\n"), (std::pair<QByteArray, QByteArray>{})) << "line ends without text";
    const QByteArray endless = "\r" + QByteArray(400, 'x');
    EXPECT_EQ(firstLine(endless).first, endless.left(ModemReplyLine::MaxLength));
}

TEST(ModemResults, RepliesAreClassifiedByTheirWords)
{
    const std::pair<QByteArray, int> cases[] = {
        {"\r\nERROR\r", DialResult::NoLineTone},
        {"\r\nerror\r", DialResult::NoLineTone},
        {"\r\nTime out\r", DialResult::TimeLimit},
        {"\r\nNO DIALTONE\r", DialResult::NoExchangeSignal},
        {"\r\nno dial tone\r", DialResult::NoExchangeSignal},
        {"\r\nNO DAILTONE\r", DialResult::NoExchangeSignal},
        {"\r\nNO CARRIER\r", DialResult::CarrierLost},
        {"\r\nBUSY\r", DialResult::Busy},
        {"\r\nNO ANSWER\r", DialResult::NoAnswer},
        {"Escape...", DialResult::Interrupted},
        {"\r\nCONNECT 9600\r", DialResult::Connected},
        {"\r\nOK\r", DialResult::Connected},
        {"", DialResult::Connected},
    };
    for (const auto& [reply, result] : cases)
        EXPECT_EQ(classifyModemReply(reply), result) << reply.toStdString();
    EXPECT_EQ(dialResultText(DialResult::NoExchangeSignal), QStringLiteral("Отсутствует сигнал АТС"));
    EXPECT_EQ(dialResultText(DialResult::Count), QString());
}

} // namespace
