#include "sim/sim_command_line.h"
#include "sim/sim_server.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void noteSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop through a pipe, outside the signal handler.
bool quitOnSignals(QCoreApplication& application)
{
    if (::pipe(signalPipe) != 0)
        return false;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, &QCoreApplication::quit);
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (SimCommandLine::asksForUsage(application.arguments())) {
        std::printf("%s", qPrintable(SimCommandLine::usage()));
        return 0;
    }
    SimServerOptions options;
    QString error;
    if (!SimCommandLine::parse(application.arguments(), &options, &error)) {
        std::fprintf(stderr, "gqc_sim: %s\n%s", qPrintable(error), qPrintable(SimCommandLine::usage()));
        return 2;
    }
    if (!quitOnSignals(application)) {
        std::fprintf(stderr, "gqc_sim: cannot catch signals\n");
        return 1;
    }
    SimServer server(options);
    if (!server.start(&error)) {
        std::fprintf(stderr, "gqc_sim: %s\n", qPrintable(error));
        return 1;
    }
    if (options.tcp)
        std::printf("tcp %s:%u\n", qPrintable(server.tcpHost()), static_cast<unsigned>(server.tcpPort()));
    if (options.pty)
        std::printf("pty %s -> %s\n", qPrintable(server.ptyPath()),
                    qPrintable(options.ptyLink.isEmpty() ? server.ptyPath() : options.ptyLink));
    std::fflush(stdout);
    return application.exec();
}
