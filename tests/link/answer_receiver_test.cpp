#include "link/answer_receiver.h"

#include "support/frames.h"

#include <gtest/gtest.h>

namespace {

FrameBuffer readRequest(std::uint8_t address)
{
    FrameBuffer request{};
    buildRequestFrame(request, address, 1, QByteArray::fromHex("000001"), 0, {});
    return request;
}

// Feeds the bytes; returns how many were taken before the frame was complete (-1: never).
int feedAll(AnswerReceiver& receiver, const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (receiver.feed(static_cast<std::uint8_t>(bytes[i])))
            return static_cast<int>(i + 1);
    }
    return -1;
}

} // namespace

TEST(AnswerReceiver, SkipsGarbageAndOtherAddressesUntilTheStartSymbolAndAddress)
{
    const FrameBuffer request = readRequest(5);
    FrameBuffer answer{};
    AnswerReceiver receiver(request, answer, 5);
    const QByteArray frame = TestFrames::fieldsAnswer(5, 0, 0, 1, "\x01");
    // Garbage, a start symbol followed by a foreign address, then the frame.
    const QByteArray bytes = QByteArray::fromHex("00ff1233") + QByteArray("\x06", 1) + frame;
    EXPECT_EQ(feedAll(receiver, bytes), bytes.size());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(answer.data()), frame.size()), frame);
}

TEST(AnswerReceiver, LengthBelowSixRestartsTheSearchWithoutTakingTheLengthAsStart)
{
    const FrameBuffer request = readRequest(0x33);
    FrameBuffer answer{};
    AnswerReceiver receiver(request, answer, 0x33);
    const QByteArray frame = TestFrames::fieldsAnswer(0x33, 0, 0, 1, "\x01");
    // "33 33 05": length 5 restarts; the next byte 0x33 is a start again.
    EXPECT_EQ(feedAll(receiver, QByteArray::fromHex("333305")), -1);
    EXPECT_EQ(receiver.position(), 0);
    EXPECT_EQ(feedAll(receiver, frame), frame.size());
}

TEST(AnswerReceiver, AnyAddressRequestLearnsTheAddressOfTheAnswer)
{
    const FrameBuffer request = readRequest(0xFF);
    FrameBuffer answer{};
    AnswerReceiver receiver(request, answer, 0xFF);
    EXPECT_GT(feedAll(receiver, TestFrames::fieldsAnswer(17, 0, 0, 1, "\x01")), 0);
    EXPECT_EQ(receiver.address(), 17);
}

TEST(AnswerReceiver, WriteOfOwnAddressIsAnsweredFromTheNewAddress)
{
    FrameBuffer request{};
    buildRequestFrame(request, 4, 2, QByteArray::fromHex("03000109"), 0, {});
    FrameBuffer answer{};
    AnswerReceiver receiver(request, answer, 4);
    const QByteArray frame = TestFrames::answer(9, 0x82, QByteArray::fromHex("00030001"));
    // Bytes between the start symbol and the new address are skipped.
    const QByteArray bytes = frame.left(1) + QByteArray::fromHex("0512") + frame.mid(1);
    EXPECT_EQ(feedAll(receiver, bytes), bytes.size());
    EXPECT_EQ(answer[1], 9);
}

TEST(AnswerReceiver, OtherWritesDropAForeignAddress)
{
    FrameBuffer request{};
    buildRequestFrame(request, 4, 2, QByteArray::fromHex("05000141"), 0, {});
    FrameBuffer answer{};
    AnswerReceiver receiver(request, answer, 4);
    feedAll(receiver, QByteArray::fromHex("3341"));
    EXPECT_EQ(receiver.position(), 0);
}

TEST(AnswerReceiver, LongestFrameFillsTheBufferWithoutOverrun)
{
    const FrameBuffer request = readRequest(1);
    FrameBuffer answer{};
    answer[255] = 0x5A;
    AnswerReceiver receiver(request, answer, 1);
    const QByteArray frame = TestFrames::fieldsAnswer(1, 4, 0, 11, QByteArray(245, 'v'));
    ASSERT_EQ(frame.size(), 255);
    EXPECT_EQ(feedAll(receiver, frame + QByteArray(10, 'x')), 255);
    EXPECT_TRUE(receiver.complete());
    EXPECT_TRUE(receiver.feed('y'));
    EXPECT_EQ(answer[255], 0x5A);
}
