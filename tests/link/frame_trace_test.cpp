#include "link/frame_trace.h"
#include "link/frame_trace_file.h"
#include "link/hgcbox.h"

#include "support/engine_settings.h"
#include "support/fake_line.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QDateTime At(QDate(2025, 3, 5), QTime(14, 30, 0, 123));
const QString Done = QStringLiteral("Команда 1.  Команда выполнена");

// A read of table 0, fields 0 to 3, and the controller's answer.
const QByteArray ReadRequest = QByteArray::fromHex("cc010a01000000046067");
const QByteArray ReadAnswer = QByteArray::fromHex("33010e81000000040049020409ac");

ArrivedBytes arrivedOf(const QByteArray& bytes)
{
    ArrivedBytes arrived;
    for (const char byte : bytes)
        arrived.append(byte);
    return arrived;
}

QString answerLine(const QByteArray& arrived, const QByteArray& frame, int status, const QString& message)
{
    return answerTraceLine(At, AnswerAttempt{arrivedOf(arrived), frame, static_cast<ExchangeStatus>(status), message});
}

} // namespace

TEST(FrameTraceLine, RequestShowsStampHeaderAndEveryByte)
{
    EXPECT_EQ(requestTraceLine(At, ReadRequest, 0),
              QStringLiteral("2025-03-05 14:30:00.123 -> addr 1 code 0x01 len 10: cc 01 0a 01 00 00 00 04 60 67"));
    EXPECT_EQ(requestTraceLine(At, QByteArray::fromHex("ccff0f100300001805011805014727"), 5),
              QStringLiteral("2025-03-05 14:30:00.123 -> addr 255 code 0x10 len 15 after 5 preambles: "
                             "cc ff 0f 10 03 00 00 18 05 01 18 05 01 47 27"));
}

TEST(FrameTraceLine, NoiseBeforeAnAnswerKeepsOnlyItsLastBytes)
{
    const QByteArray noise(100'000, '\x55');
    const ArrivedBytes arrived = arrivedOf(noise + ReadAnswer);
    EXPECT_EQ(arrived.total(), noise.size() + ReadAnswer.size());
    EXPECT_LE(arrived.kept().size(), ArrivedBytes::Kept);
    EXPECT_TRUE(arrived.kept().endsWith(ReadAnswer));
    const QString line = answerTraceLine(At, AnswerAttempt{arrived, ReadAnswer, ExchangeStatus::Done, Done});
    EXPECT_TRUE(line.contains(QStringLiteral("(100000 bytes skipped)"))) << line.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral(": ... %1 bytes ... 55 55").arg(arrived.dropped()))) << line.toStdString();
    EXPECT_TRUE(line.endsWith(QStringLiteral("00 49 02 04 09 ac"))) << line.toStdString();
}

TEST(FrameTraceLine, CompleteAnswersShowTheirHeaderAndStatus)
{
    EXPECT_EQ(answerLine(ReadAnswer, ReadAnswer, 0, Done),
              QStringLiteral("2025-03-05 14:30:00.123 <- addr 1 code 0x81 len 14, status 0 \"Команда 1.  Команда "
                             "выполнена\": 33 01 0e 81 00 00 00 04 00 49 02 04 09 ac"));

    const QByteArray errorReply = QByteArray::fromHex("330107010951af");
    EXPECT_EQ(answerLine(errorReply, errorReply, 8, QStringLiteral("Команда 1.  Нет такой таблицы")),
              QStringLiteral("2025-03-05 14:30:00.123 <- addr 1 code 0x01 len 7 error 9, status 8 \"Команда 1.  Нет "
                             "такой таблицы\": 33 01 07 01 09 51 af"));

    // A reply without the answer flag and without a body has no error code to show.
    const QByteArray bare = QByteArray::fromHex("330106019cc0");
    EXPECT_EQ(answerLine(bare, bare, 8, QStringLiteral("Команда 1.  Код ошибки = 0")),
              QStringLiteral("2025-03-05 14:30:00.123 <- addr 1 code 0x01 len 6, status 8 \"Команда 1.  Код ошибки = "
                             "0\": 33 01 06 01 9c c0"));

    // Bytes before the answer are shown as they came, and counted.
    EXPECT_EQ(answerLine(QByteArray::fromHex("0055") + ReadAnswer, ReadAnswer, 0, Done),
              QStringLiteral("2025-03-05 14:30:00.123 <- addr 1 code 0x81 len 14 (2 bytes skipped), status 0 "
                             "\"Команда 1.  Команда выполнена\": 00 55 33 01 0e 81 00 00 00 04 00 49 02 04 09 ac"));
}

TEST(FrameTraceLine, FailedAttemptsShowWhatArrived)
{
    EXPECT_EQ(answerLine(ReadAnswer.left(3), {}, 5,
                         QStringLiteral("Команда 1.  Ответ получен не полностью (превышено время между байтами)")),
              QStringLiteral("2025-03-05 14:30:00.123 <- no complete answer (3 bytes), status 5 \"Команда 1.  Ответ "
                             "получен не полностью (превышено время между байтами)\": 33 01 0e"));
    EXPECT_EQ(answerLine({}, {}, 10, QStringLiteral("Команда 1.  Устройство не отвечает")),
              QStringLiteral("2025-03-05 14:30:00.123 <- no answer, status 10 \"Команда 1.  Устройство не отвечает\""));
}

namespace {

Q_LOGGING_CATEGORY(otherLog, "gqc.test.other")

// Messages that reach the handler installed before the trace file.
QStringList earlierHandlerSaw;
void earlierHandler(QtMsgType, const QMessageLogContext&, const QString& text)
{
    earlierHandlerSaw.append(text);
}

class TraceFileOfTheEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        earlierHandlerSaw.clear();
        previous = qInstallMessageHandler(earlierHandler);
        changeSettings(engine, [](ExchangeSettings& settings) {
            settings.openPerRequest = false;
            settings.attempts = 2;
            settings.answerTimeoutMs = 100;
            settings.interByteMs = 30;
            settings.bitRate = 115200;
        });
        engine.setTransport(line.connect());
        path = directory.filePath(QStringLiteral("trace.txt"));
    }
    void TearDown() override { qInstallMessageHandler(previous); }

    // The lines of the trace file without their time stamps, which must be there.
    QStringList traced() const
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        static const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} "));
        for (QString& text : lines) {
            EXPECT_TRUE(stamp.match(text).hasMatch()) << text.toStdString();
            text.remove(stamp);
        }
        return lines;
    }

    QtMessageHandler previous = nullptr;
    QTemporaryDir directory;
    QString path;
    FakeLine line;
    hgcbox engine{1};
};

} // namespace

TEST_F(TraceFileOfTheEngine, EveryAttemptIsTracedIntoTheFileAndNothingElse)
{
    {
        FrameTraceFile trace;
        ASSERT_TRUE(trace.open(path)) << trace.errorString().toStdString();
        // The answer stops after its length, then the second attempt gets all of it.
        line.answer(ReadAnswer.left(3));
        line.answer(ReadAnswer);
        ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000004")));
        qCWarning(otherLog) << "not a frame";
    }
    const QString request = QStringLiteral("-> addr 1 code 0x01 len 10: cc 01 0a 01 00 00 00 04 60 67");
    EXPECT_EQ(traced(),
              QStringList({request,
                           QStringLiteral("<- no complete answer (3 bytes), status 5 \"Команда 1.  Ответ получен не "
                                          "полностью (превышено время между байтами)\": 33 01 0e"),
                           request,
                           QStringLiteral("<- addr 1 code 0x81 len 14, status 0 \"Команда 1.  Команда выполнена\": 33 "
                                          "01 0e 81 00 00 00 04 00 49 02 04 09 ac")}));
    EXPECT_EQ(earlierHandlerSaw, QStringList{QStringLiteral("not a frame")});
}

TEST_F(TraceFileOfTheEngine, TheFileIsAppendedToAndTheTraceIsOffWithoutIt)
{
    EXPECT_FALSE(frameTraceLog().isDebugEnabled());
    changeSettings(engine, [](ExchangeSettings& settings) { settings.attempts = 1; });
    for (int run = 0; run < 2; ++run) {
        FrameTraceFile trace;
        ASSERT_TRUE(trace.open(path));
        EXPECT_TRUE(frameTraceLog().isDebugEnabled());
        line.staySilent();
        EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000004")));
    }
    EXPECT_FALSE(frameTraceLog().isDebugEnabled());
    line.answer(ReadAnswer);
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000004")));
    const QString silence = QStringLiteral("<- no answer, status 10 \"Команда 1.  Устройство не отвечает\"");
    EXPECT_EQ(traced().filter(QStringLiteral("<- ")), QStringList({silence, silence}));
    EXPECT_TRUE(earlierHandlerSaw.isEmpty());
}

TEST(FrameTraceFile, AFileThatCannotBeOpenedSaysWhy)
{
    QTemporaryDir directory;
    FrameTraceFile trace;
    EXPECT_FALSE(trace.open(directory.filePath(QStringLiteral("no/such/folder/trace.txt"))));
    EXPECT_FALSE(trace.errorString().isEmpty());
    EXPECT_FALSE(frameTraceLog().isDebugEnabled());
}
