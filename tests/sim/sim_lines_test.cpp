#include "sim_test_frames.h"

#include "crc/crc16.h"
#include "sim/sim_server.h"
#include "support/temp_workdir.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpSocket>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace SimTestFrames;

namespace {

constexpr int answerWaitMs = 3000;

// Whether `line` holds a complete answer frame after its start symbol.
bool holdsFrame(const QByteArray& line)
{
    const QByteArray frame = answerFrame(line);
    return frame.size() >= 3 && frame.size() >= static_cast<std::uint8_t>(frame[2]);
}

QByteArray readFrame(QTcpSocket& socket, int waitMs = answerWaitMs)
{
    QByteArray line;
    QDeadlineTimer deadline(waitMs);
    while (!holdsFrame(line) && !deadline.hasExpired())
        if (socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            line += socket.readAll();
    return line;
}

// Reads from a terminal until `enough` says so or the wait is over.
template <typename Enough> QByteArray readTerminal(int fd, Enough enough, int waitMs = answerWaitMs)
{
    QByteArray line;
    QDeadlineTimer deadline(waitMs);
    while (!enough(line) && !deadline.hasExpired()) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(deadline.remainingTime())) <= 0)
            continue;
        char buffer[512];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0)
            line.append(buffer, count);
    }
    return line;
}

int openTerminal(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY);
    if (fd >= 0) {
        termios raw{};
        ::tcgetattr(fd, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(fd, TCSANOW, &raw);
    }
    return fd;
}

void send(int fd, const QByteArray& bytes)
{
    ASSERT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
}

TEST(SimLines, TcpDeliversFramesSkippingPreamblesAndSplitWrites)
{
    SimServerOptions options;
    options.tcp = true;
    SimServer server(options);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();
    ASSERT_NE(server.tcpPort(), 0);

    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), server.tcpPort());
    ASSERT_TRUE(socket.waitForConnected(answerWaitMs));
    // A whole frame and the start of the next in one write: once the first is
    // answered the simulator holds that start, and the rest comes in a write of its own.
    const QByteArray request = QByteArray(2, static_cast<char>(0xFF)) + readRequest(0, 0, 18);
    socket.write(readRequest(0, 0, 1) + request.left(6));
    ASSERT_EQ(answerFrame(readFrame(socket)).size(), 11);
    socket.write(request.mid(6));
    const QByteArray frame = answerFrame(readFrame(socket));
    ASSERT_EQ(frame.size(), 28);
    EXPECT_EQ(crc16(frame), 0);
    EXPECT_EQ(static_cast<int>(frame[8 + 1]), 73);

    socket.write(readRequest(0, 0, 1, 9) + readRequest(38, 0, 1));
    const QByteArray refusal = answerFrame(readFrame(socket));
    EXPECT_EQ(errorCode(refusal), 9) << "only the request to this controller is answered";
    const QList<QByteArray> requests = server.requests();
    ASSERT_EQ(requests.size(), 4);
    EXPECT_EQ(requests[1], readRequest(0, 0, 18)) << "the log holds the frame without its preambles";
}

TEST(SimLines, PseudoTerminalDeliversFramesThroughItsLink)
{
    TempWorkdir dir;
    SimServerOptions options;
    options.pty = true;
    options.ptyLink = dir.file(QStringLiteral("controller"));
    options.controller.logFile = dir.file(QStringLiteral("requests.log"));
    {
        SimServer server(options);
        QString error;
        ASSERT_TRUE(server.start(&error)) << error.toStdString();
        EXPECT_TRUE(server.ptyPath().startsWith(QStringLiteral("/dev/pts/")));
        EXPECT_EQ(QFileInfo(options.ptyLink).symLinkTarget(), server.ptyPath());

        const int fd = openTerminal(options.ptyLink);
        ASSERT_GE(fd, 0);
        send(fd, readRequest(2, 0, 8));
        const QByteArray frame = answerFrame(readTerminal(fd, holdsFrame));
        ::close(fd);
        ASSERT_EQ(frame.size(), 18);
        EXPECT_EQ(crc16(frame), 0);
    }
    EXPECT_FALSE(QFileInfo::exists(options.ptyLink)) << "the link goes with the simulator";
    QFile log(options.controller.logFile);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().split('\n');
    ASSERT_GE(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith(readRequest(2, 0, 8).toHex(' ').toUpper())) << lines[0].toStdString();
}

TEST(SimLines, ModemDialogueThenProtocolUntilEscape)
{
    TempWorkdir dir;
    SimServerOptions options;
    options.pty = true;
    options.ptyLink = dir.file(QStringLiteral("modem"));
    options.modem = true;
    // No silence is needed around the escape, so the test need not wait it out;
    // SimModem's own tests hold it to the guard time.
    options.modemSettings.guardMs = 0;
    SimServer server(options);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();
    const int fd = openTerminal(options.ptyLink);
    ASSERT_GE(fd, 0);
    const auto exchange = [&](const QByteArray& command, const QByteArray& expected) {
        send(fd, command);
        const QByteArray reply = readTerminal(fd, [&](const QByteArray& got) { return got.size() >= expected.size(); });
        EXPECT_EQ(reply, expected) << command.toStdString();
    };
    exchange("ATE0\r", "ATE0\r\r\nOK\r\n");
    exchange("ATV1\r", "\r\nOK\r\n");
    exchange(QByteArray("AT+CPAS\r", 8) + '\0', "\r\n+CPAS: 0\r\n\r\nOK\r\n");
    exchange("ATD 8(123)45-67\r", "\r\nCONNECT 9600\r\n");

    send(fd, readRequest(0, 0, 18));
    EXPECT_EQ(answerFrame(readTerminal(fd, holdsFrame)).size(), 28);

    exchange("+++", "\r\nOK\r\n");
    exchange("ath\r", "\r\nOK\r\n");
    send(fd, readRequest(0, 0, 18));
    EXPECT_EQ(readTerminal(fd, holdsFrame, 300), QByteArray()) << "no protocol in command mode";

    SimModemSettings busy = options.modemSettings;
    busy.dialResult = "BUSY";
    busy.gsmReady = false;
    server.setModemSettings(busy);
    exchange("\rAT+CPAS\r", "\r\nERROR\r\n");
    exchange("ATD123\r", "\r\nBUSY\r\n");
    ::close(fd);
}

TEST(SimLines, ExecutablePrintsItsPortObeysItsFaultFileAndStopsOnTerminate)
{
    TempWorkdir dir;
    const QString faults = dir.file(QStringLiteral("faults.txt"));
    QFile file(faults);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# the first request is lost\nrequest 1 silence\ncode 1 garbage 55 AA\n");
    file.close();

    QProcess sim;
    sim.start(QStringLiteral(GQC_SIM_PROGRAM),
              {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--faults"), faults,
               QStringLiteral("--address"), QStringLiteral("12")});
    ASSERT_TRUE(sim.waitForStarted(answerWaitMs));
    ASSERT_TRUE(sim.waitForReadyRead(answerWaitMs));
    const QByteArray where = sim.readLine().trimmed();
    ASSERT_TRUE(where.startsWith("tcp 127.0.0.1:")) << where.toStdString();
    const quint16 port = where.mid(where.lastIndexOf(':') + 1).toUShort();

    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(socket.waitForConnected(answerWaitMs));
    socket.write(readRequest(0, 0, 18, 12));
    EXPECT_EQ(readFrame(socket, 300), QByteArray());
    socket.write(readRequest(0, 0, 18, 12));
    const QByteArray line = readFrame(socket);
    EXPECT_TRUE(line.startsWith(QByteArray::fromHex("55AA"))) << line.toHex().toStdString();
    EXPECT_EQ(static_cast<int>(answerFrame(line)[1]), 12);

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(answerWaitMs));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
}

} // namespace
