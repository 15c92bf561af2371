// Polling of the current data for a long time: what the chromatograph window
// (tables 30 and 32) and the controller-state window (tables 16 and 33) read
// on every tick, against the in-process simulator over loopback TCP, as fast as
// it answers. One simulated hour is 3600 ticks. Prints the ticks done, the time
// they took, the failed reads and the resident memory after a warm-up and at
// the end: it must not grow.
//
// Usage: current_data_soak_bench [TICKS]   (default 3600)

#include "app/current_data_reads.h"
#include "link/tcp_transport.h"
#include "pumping_operator.h"
#include "sim/sim_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTextStream>

namespace {

constexpr int SimulatedHour = 3600;
constexpr int WarmUpTicks = 100;
constexpr int RequestLogKept = 1000; // the simulator's request log is emptied this often

// The resident set size now, in KiB, from /proc/self/status.
long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int ticks = argc > 1 ? QByteArray(argv[1]).toInt() : SimulatedHour;
    QTextStream out(stdout);

    SimServerOptions options;
    options.tcp = true;
    SimServer server(options);
    QString error;
    if (!server.start(&error)) {
        out << "simulator: " << error << '\n';
        return 1;
    }
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(server.tcpHost(), server.tcpPort());
    if (!socket->waitForConnected(5000)) {
        out << "no connection to the simulator\n";
        return 1;
    }
    PumpingOperator person;
    hgcbox engine(1);
    ExchangeSettings settings;
    settings.linkKind = LinkKind::Ethernet;
    settings.sendPauseMs = 0;
    settings.openPerRequest = false;
    settings.address = 1;
    settings.attempts = 1;
    settings.answerTimeoutMs = 2000;
    settings.interByteMs = 200;
    engine.setSettings(settings);
    engine.setOperator(&person);
    engine.setTransport(std::make_unique<TcpTransport>(std::move(socket)));
    ParamImage image;
    SettingsBlock block;
    std::uint8_t moistureMeter = 1;
    CurrentDataReads reads({engine, person, image, block, moistureMeter});

    int failed = 0;
    long afterWarmUp = 0;
    QElapsedTimer clock;
    clock.start();
    for (int tick = 1; tick <= ticks; ++tick) {
        failed += !reads.readAnalysis() + !reads.readZones() + !reads.readAbnormalFlags() + !reads.readLinks();
        if (tick % RequestLogKept == 0)
            server.clearRequests();
        if (tick == WarmUpTicks)
            afterWarmUp = residentKib();
    }
    const qint64 elapsedMs = clock.elapsed();
    out << ticks << " ticks (4 reads each) in " << elapsedMs / 1000.0 << " s, "
        << (elapsedMs > 0 ? ticks * 1000.0 / static_cast<double>(elapsedMs) : 0.0) << " ticks/s, " << failed
        << " failed reads\n"
        << "resident memory after " << WarmUpTicks << " ticks: " << afterWarmUp << " KiB, at the end: " << residentKib()
        << " KiB\n";
    return failed == 0 ? 0 : 1;
}
