// How much processor the engine takes while it waits for a controller that
// does not answer: CPU time (user + system) over wall time during one request
// that runs into the answer time-out, over a serial port (a pseudo-terminal
// nobody answers on) and over a TCP connection to a silent peer.
//
// Usage: engine_wait_bench [answer_timeout_ms]   (default 2000)

#include "link/ethernet_connect.h"
#include "link/hgcbox.h"
#include "link/serial_port_opener.h"
#include "pumping_operator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs one request into its time-out and prints the share of one core it took.
void measure(const char* link, hgcbox& engine)
{
    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds();
    wall.start();
    engine.request(1, QByteArray::fromHex("000012"));
    const double wallSeconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    QTextStream(stdout) << link << ": status " << exchangeStatusCode(engine.status()) << ", wall "
                        << QString::number(wallSeconds, 'f', 3) << " s, CPU " << QString::number(cpu, 'f', 4) << " s, "
                        << QString::number(100.0 * cpu / wallSeconds, 'f', 2) << " % of one core\n";
}

void serialLine(int answerTimeoutMs, Operator& person)
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        QTextStream(stderr) << "openpty failed\n";
        return;
    }
    hgcbox engine(1);
    engine.setOperator(&person);
    ExchangeSettings settings;
    settings.comPort = 1;
    settings.address = 1;
    settings.bitRate = 38400;
    settings.preambles = 5;
    settings.attempts = 1;
    settings.openPerRequest = false;
    settings.answerTimeoutMs = answerTimeoutMs;
    engine.setSettings(settings);
    engine.setPortOpener(serialPortOpener(ComPortNames({{1, QString::fromLocal8Bit(name)}})));
    if (engine.openPort())
        measure("serial (pseudo-terminal)", engine);
    close(master);
    close(slave);
}

void tcpLink(int answerTimeoutMs, Operator& person)
{
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listener, reinterpret_cast<sockaddr*>(&address), length);
    listen(listener, 1);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);

    hgcbox engine(1);
    engine.setOperator(&person);
    EthernetSettings settings;
    settings.link = LinkRecord{1, 1, 38400, 5, 1, 300, 1};
    settings.connectWaitS = 5;
    if (connectEthernetHost(QStringLiteral("127.0.0.1"), QString::number(ntohs(address.sin_port)), 1, settings, engine,
                            person)) {
        ExchangeSettings waiting = engine.settings();
        waiting.answerTimeoutMs = answerTimeoutMs;
        engine.setSettings(waiting);
        measure("tcp (loopback)", engine);
    }
    close(listener);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int answerTimeoutMs = argc > 1 ? std::atoi(argv[1]) : 2000;
    PumpingOperator person;
    serialLine(answerTimeoutMs, person);
    tcpLink(answerTimeoutMs, person);
    return 0;
}
