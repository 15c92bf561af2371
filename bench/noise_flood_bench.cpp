// How the engine stands a TCP peer that streams noise instead of answering:
// the process's peak resident memory and the processor time of the engine's
// thread during one request over loopback, while the peer writes bytes that
// never start a frame as fast as the connection takes them.
//
//   noise until the time-out:  the peer floods for as long as the request runs;
//                              the request must fail with status 10 after N s.
//   noise, then an answer:     the peer floods for N s, then sends a valid
//                              answer; the request (time-out N + 15 s) must succeed.
//
// The peer (tests/support) runs in a thread of its own and is not counted in the
// processor time.
//
// Usage: noise_flood_bench [N]   (seconds, default 10)

#include "crc/crc16.h"
#include "link/ethernet_connect.h"
#include "link/hgcbox.h"
#include "pumping_operator.h"

#include "support/flooding_peer.h"
#include "support/loopback_listener.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <sys/resource.h>

namespace {

constexpr int ExtraAnswerWaitS = 15;

// The answer of controller 1 to a read of table 0, fields 0 to 3.
QByteArray answer()
{
    QByteArray frame = QByteArray::fromHex("33010e8100000004"
                                           "00490204");
    appendCrc16(frame);
    return frame;
}

double seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Processor time (user + system) of the calling thread: the engine's.
double engineCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long peakRssMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Connects to a peer that floods the connection as `flood` says, runs one
// request with the given answer time-out and prints what it cost.
void measure(const char* what, const FloodingPeer::Flood& flood, int answerTimeoutS, Operator& person)
{
    LoopbackListener listener;
    hgcbox engine(1);
    engine.setOperator(&person);
    EthernetSettings settings;
    settings.link = LinkRecord{1, 1, 38400, 0, 1, 300, answerTimeoutS};
    settings.connectWaitS = 5;
    if (!connectEthernetHost(QStringLiteral("127.0.0.1"), QString::number(listener.port()), 1, settings, engine,
                             person)) {
        QTextStream(stderr) << what << ": no connection\n";
        return;
    }
    FloodingPeer peer(listener.accept(), flood);
    QElapsedTimer wall;
    const double cpuBefore = engineCpuSeconds();
    wall.start();
    engine.request(1, QByteArray::fromHex("000004"));
    const double wallSeconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = engineCpuSeconds() - cpuBefore;
    QTextStream(stdout) << what << ": status " << exchangeStatusCode(engine.status()) << ", wall "
                        << QString::number(wallSeconds, 'f', 2) << " s, engine CPU " << QString::number(cpu, 'f', 3)
                        << " s (" << QString::number(100.0 * cpu / wallSeconds, 'f', 2) << " % of one core), peer sent "
                        << QString::number(static_cast<double>(peer.sent()) / (1024 * 1024), 'f', 1)
                        << " MiB of noise, peak RSS so far " << peakRssMiB() << " MiB\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int floodS = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    PumpingOperator person;
    QTextStream(stdout) << "peak RSS at start " << peakRssMiB() << " MiB\n";

    measure("noise until the time-out", FloodingPeer::Flood{}, floodS, person);
    FloodingPeer::Flood thenAnswer;
    thenAnswer.longest = std::chrono::seconds(floodS);
    thenAnswer.tail = answer();
    measure("noise, then an answer", thenAnswer, floodS + ExtraAnswerWaitS, person);
    return 0;
}
