// How close the exchange comes to the line it runs on.
//
// Serial: gqc_sim on a pseudo-terminal paces every answer byte at 10 bit times
// of the rate and waits a turnaround before it answers. A pseudo-terminal hands
// the request over at once, so the turnaround is set to the wire time of a read
// request and stands in for it. The bulk configuration read is timed in this
// process and compared with what the line and the protocol cannot avoid: per
// request the RS-485 transmitter lead, the turnaround and the answer's bytes
// (preambles included) at the rate. The same read is timed as a whole
// `gqc_cli read-config` run too, process start and port opening included.
//
// Archive: one day of hourly chromatograph records read as the reading command
// reads them, block by block, over the same paced line at 9600 bit/s, against
// the same sum for its requests.
//
// TCP: gqc_sim on loopback with a fixed turnaround and no pacing, the engine
// with no pause before its sends; the read is compared with the sum of the
// turnarounds.
//
// Usage: exchange_speed [RUNS]   (median of RUNS, default 5)

#include "archives/archive_reading.h"
#include "exchange/configuration_transfer.h"
#include "exchange/request_layer.h"
#include "link/engine_loading.h"
#include "link/hgcbox.h"
#include "link/serial_transport.h"
#include "link/tcp_transport.h"
#include "pumping_operator.h"
#include "settings/settings_block.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int BitsPerByte = 10;
constexpr double TransmitterLeadS = 0.002; // the RS-485 lead before every request on a direct line
constexpr int Preambles = 3;
constexpr int ReadRequestLength = 10;    // a read request frame, checksum included
constexpr int ArchiveRequestLength = 17; // an hourly archive request frame, checksum included
constexpr int ArchiveRate = 9600;
constexpr int TcpTurnaroundMs = 5;
constexpr int SimStartMs = 10'000;
const int Rates[] = {9600, 38400, 115200};

// gqc_sim as a child process, stopped when this goes.
class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments)
    {
        process_.setProgram(QStringLiteral(GQC_SIM_PROGRAM));
        process_.setArguments(arguments);
        process_.start();
        // It prints the line it serves, "pty DEVICE -> LINK" or "tcp HOST:PORT", once it is listening.
        if (process_.waitForReadyRead(SimStartMs))
            served_ = QString::fromUtf8(process_.readLine()).trimmed().split(QLatin1Char(' '));
    }
    ~SimProcess()
    {
        process_.terminate();
        process_.waitForFinished();
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The second word of the line it serves: the device or HOST:PORT.
    QString endpoint() const { return served_.value(1); }

private:
    QProcess process_;
    QStringList served_;
};

// Passes everything through and counts the requests written and the bytes that arrived.
class CountingTransport : public Transport {
public:
    explicit CountingTransport(std::unique_ptr<Transport> line) : line_(std::move(line)) {}

    bool setBitRate(int bitsPerSecond) override { return line_->setBitRate(bitsPerSecond); }
    void purge() override { line_->purge(); }
    bool setRts(bool on) override { return line_->setRts(on); }
    bool write(const QByteArray& bytes) override
    {
        ++requests;
        return line_->write(bytes);
    }
    int readAvailable(char* into, int max) override
    {
        const int read = line_->readAvailable(into, max);
        arrived += std::max(read, 0);
        return read;
    }
    bool waitReadable(int milliseconds) override { return line_->waitReadable(milliseconds); }

    int requests = 0;
    qint64 arrived = 0;

private:
    std::unique_ptr<Transport> line_;
};

struct Run {
    double seconds = 0;
    int requests = 0;
    qint64 arrived = 0;
};

// The bulk configuration read as gqc_cli makes it: identification, then every table.
std::optional<Run> readConfiguration(hgcbox& engine, CountingTransport& line)
{
    PumpingOperator person;
    engine.setOperator(&person);
    ParamImage image;
    SettingsBlock settings;
    std::uint8_t moistureMeter = 0;
    RequestLayer layer(RequestContext{engine, person, image, settings, moistureMeter});
    QElapsedTimer clock;
    clock.start();
    if (!layer.readFields(FieldRange{0, 0, 18}, false) || !readConfigurationTables(layer))
        return std::nullopt;
    return Run{static_cast<double>(clock.nsecsElapsed()) / 1e9, line.requests, line.arrived};
}

// Where the pseudo-terminal's link, gqc_cli's working directory and the temporary archive file go.
const QTemporaryDir& scratch()
{
    static const QTemporaryDir directory;
    return directory;
}

// One day of hourly chromatograph records; the simulator's clock is on the day after.
std::optional<Run> readHourlyDay(hgcbox& engine, CountingTransport& line)
{
    PumpingOperator person;
    engine.setOperator(&person);
    ParamImage image;
    SettingsBlock settings;
    std::uint8_t moistureMeter = 0;
    const Period day{{26, 3, 14, 0, 0, 0}, {26, 3, 14, 23, 0, 0}};
    QElapsedTimer clock;
    clock.start();
    const std::optional<ArchiveFile> file = readArchivePeriod(
        RequestContext{engine, person, image, settings, moistureMeter},
        {ArchiveKind::ChromHourly, day, scratch().filePath(QStringLiteral("datafile.hdm")),
         [] { return QDateTime::currentDateTime(); }});
    if (!file || file->records.count() != 24)
        return std::nullopt;
    return Run{static_cast<double>(clock.nsecsElapsed()) / 1e9, line.requests, line.arrived};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The wire time of a request frame of `length` bytes and its preambles: the
// simulator's turnaround stands in for it.
int turnaroundMsAt(int rate, int length = ReadRequestLength)
{
    return static_cast<int>(std::ceil((Preambles + length) * BitsPerByte * 1000.0 / rate));
}

// What the line and the protocol cannot avoid for a run at `rate`.
double lineSeconds(const Run& run, int rate, int requestLength)
{
    return run.requests * (TransmitterLeadS + turnaroundMsAt(rate, requestLength) / 1000.0) +
           static_cast<double>(run.arrived) * BitsPerByte / rate;
}

// gqc_sim on a pseudo-terminal, paced at `rate`; its clock stands at noon the day after the archive's day.
QStringList simArguments(int rate, int turnaroundMs)
{
    return {QStringLiteral("--pty"),      scratch().filePath(QStringLiteral("controller")),
            QStringLiteral("--baud"),     QString::number(rate),
            QStringLiteral("--pace"),     QStringLiteral("--turnaround-ms"),
            QString::number(turnaroundMs), QStringLiteral("--clock"),
            QStringLiteral("2026-03-15 12:00:00")};
}

using Job = std::optional<Run> (*)(hgcbox&, CountingTransport&);

std::optional<Run> serialRun(int rate, Job job = readConfiguration, int requestLength = ReadRequestLength)
{
    const SimProcess sim(simArguments(rate, turnaroundMsAt(rate, requestLength)));
    SerialLineSettings lineSettings;
    lineSettings.bitRate = rate;
    std::unique_ptr<SerialTransport> port = SerialTransport::open(sim.endpoint(), lineSettings);
    if (!port)
        return std::nullopt;
    auto counting = std::make_unique<CountingTransport>(std::move(port));
    CountingTransport& line = *counting;
    hgcbox engine(1);
    ExchangeSettings settings;
    settings.linkKind = LinkKind::Direct;
    settings.openPerRequest = false;
    settings.address = 1;
    settings.bitRate = rate;
    settings.preambles = Preambles;
    settings.attempts = 1;
    settings.interByteMs = 100;
    engine.setSettings(settings);
    engine.setTransport(std::move(counting));
    return job(engine, line);
}

std::optional<double> cliSeconds(int rate)
{
    const SimProcess sim(simArguments(rate, turnaroundMsAt(rate)));
    QProcess cli;
    cli.setProgram(QStringLiteral(GQC_CLI_PROGRAM));
    cli.setArguments({QStringLiteral("--workdir"), scratch().path(), QStringLiteral("--serial"), sim.endpoint(),
                      QStringLiteral("--baud"), QString::number(rate), QStringLiteral("read-config")});
    QElapsedTimer clock;
    clock.start();
    cli.start();
    if (!cli.waitForFinished() || cli.exitCode() != 0)
        return std::nullopt;
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

std::optional<Run> tcpRun()
{
    const SimProcess sim({QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--turnaround-ms"),
                          QString::number(TcpTurnaroundMs)});
    const QString endpoint = sim.endpoint();
    const int colon = static_cast<int>(endpoint.lastIndexOf(QLatin1Char(':')));
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(endpoint.left(colon), endpoint.mid(colon + 1).toUShort());
    if (!socket->waitForConnected(SimStartMs))
        return std::nullopt;
    auto counting = std::make_unique<CountingTransport>(std::make_unique<TcpTransport>(std::move(socket)));
    CountingTransport& line = *counting;
    hgcbox engine(1);
    EthernetSettings ethernet;
    ethernet.link.attempts = 1;
    ethernet.sendPauseMs = 0;
    engine.setSettings(withEthernetLink(engine.settings(), ethernet, 1));
    engine.setTransport(std::move(counting));
    return readConfiguration(engine, line);
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    // A pseudo-terminal has no RTS line; the engine's note of it is no news here.
    QLoggingCategory::setFilterRules(QStringLiteral("gqc.link.info=false"));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTextStream out(stdout);
    out << "configuration read, median of " << runs << " runs\n";
    out << "rate     requests  measured s  line+protocol s  ratio  overhead ms/request  gqc_cli s\n";
    for (const int rate : Rates) {
        std::vector<double> measured;
        std::vector<double> cli;
        std::optional<Run> last;
        for (int i = 0; i < runs; ++i) {
            last = serialRun(rate);
            const std::optional<double> whole = cliSeconds(rate);
            if (!last || !whole) {
                out << rate << ": the read failed\n";
                return 1;
            }
            measured.push_back(last->seconds);
            cli.push_back(*whole);
        }
        const double expected = lineSeconds(*last, rate, ReadRequestLength);
        const double taken = median(measured);
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                   .arg(rate, -8)
                   .arg(last->requests, -9)
                   .arg(fixed(taken, 3), -11)
                   .arg(fixed(expected, 3), -16)
                   .arg(fixed(taken / expected, 3), -6)
                   .arg(fixed((taken - expected) * 1000 / last->requests, 2), -20)
                   .arg(fixed(median(cli), 3));
    }

    std::vector<double> archive;
    std::optional<Run> day;
    for (int i = 0; i < runs; ++i) {
        day = serialRun(ArchiveRate, readHourlyDay, ArchiveRequestLength);
        if (!day) {
            out << "archive: the reading failed\n";
            return 1;
        }
        archive.push_back(day->seconds);
    }
    const double dayLine = lineSeconds(*day, ArchiveRate, ArchiveRequestLength);
    out << "a day of hourly records at " << ArchiveRate << " bit/s: " << day->requests << " requests in "
        << fixed(median(archive), 3) << " s; line+protocol " << fixed(dayLine, 3) << " s; ratio "
        << fixed(median(archive) / dayLine, 3) << " (goal 1.05)\n";

    std::vector<double> measured;
    std::optional<Run> last;
    for (int i = 0; i < runs; ++i) {
        last = tcpRun();
        if (!last) {
            out << "TCP: the read failed\n";
            return 1;
        }
        measured.push_back(last->seconds);
    }
    const double turnarounds = last->requests * TcpTurnaroundMs / 1000.0;
    const double taken = median(measured);
    out << "TCP, no send pause, turnaround " << TcpTurnaroundMs << " ms: " << last->requests << " requests in "
        << fixed(taken, 3) << " s; goal 1.2 x " << fixed(turnarounds, 3)
        << " s + 0.050 s = " << fixed(1.2 * turnarounds + 0.05, 3) << " s; overhead "
        << fixed((taken - turnarounds) * 1000 / last->requests, 2) << " ms/request\n";
    return 0;
}
