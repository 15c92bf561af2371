#include "cli/cli_collect_command.h"

#include "cli/cli_collect_station.h"
#include "cli/collect_summary.h"
#include "settings/settings_block.h"
#include "settings/work_directory.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <memory>
#include <variant>

namespace {

using Lists = CliOptions::SubscriberLists;

QList<CollectStation> listedStations(const SettingsBlock& settings, Lists lists)
{
    QList<CollectStation> stations;
    if (lists != Lists::Phone)
        for (int i = 0; i < settings.ethernetList.count; ++i) {
            const EthernetSubscriber& entry = settings.ethernetList.entries[i];
            CollectStation station;
            station.name = entry.name;
            station.host = dottedAddress(entry.ipAddress);
            station.service = QString::number(entry.port);
            station.address = entry.controllerAddress;
            stations.append(station);
        }
    if (lists != Lists::Ethernet)
        for (int i = 0; i < settings.phoneList.count; ++i) {
            const PhoneSubscriber& entry = settings.phoneList.entries[i];
            CollectStation station;
            station.name = entry.name;
            station.phone = true;
            station.number = entry.phone;
            station.address = entry.controllerAddress;
            stations.append(station);
        }
    return stations;
}

// The stations named by --only, in the lists' order; the first name no list
// holds when there is one.
std::variant<QList<CollectStation>, QString> chosenStations(QList<CollectStation> stations, const QStringList& only)
{
    if (only.isEmpty())
        return stations;
    for (const QString& name : only)
        if (std::none_of(stations.cbegin(), stations.cend(), [&](const CollectStation& s) { return s.name == name; }))
            return name;
    stations.removeIf([&](const CollectStation& station) { return !only.contains(station.name); });
    return stations;
}

// The command line of a child that collects one station: the parent's own
// options without those that choose stations or run children.
QStringList childArguments(const QStringList& arguments, const CollectStation& station)
{
    const QStringList chooser{QStringLiteral("jobs"), QStringLiteral("only"), QStringLiteral("subscribers")};
    QStringList result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments[i];
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        if (!arguments[i].startsWith(QLatin1Char('-')) || !chooser.contains(name.section(QLatin1Char('='), 0, 0))) {
            result.append(arguments[i]);
            continue;
        }
        if (!name.contains(QLatin1Char('=')))
            ++i; // its value follows
    }
    return result + QStringList{QStringLiteral("--only"), station.name, QStringLiteral("--subscribers"),
                                station.phone ? QStringLiteral("phone") : QStringLiteral("ethernet")};
}

// Each station in a gqc_cli of its own, its result line taken from the
// child's summary. The core is single-threaded and every engine pumps its
// operator while it waits, so separate processes are the simple way to run
// stations side by side, and one station's crash ends no other. Phone stations
// share the one modem: at most one of them runs at a time.
QStringList collectInChildren(const QList<CollectStation>& stations, int jobs)
{
    QStringList lines(stations.size());
    std::vector<std::unique_ptr<QProcess>> children(stations.size());
    QEventLoop loop;
    int running = 0;
    bool phoneRunning = false;
    // A child that could not start or left no summary line fails its station.
    const auto settle = [&](qsizetype i, const QString& failure) {
        QProcess& child = *children[i];
        const QStringList out =
            QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        StationResult unanswered;
        unanswered.name = stations[i].name;
        unanswered.failure = failure;
        lines[i] = out.size() == 2 && failure.isEmpty() ? out[1] : collectSummaryLine(unanswered);
        --running;
        phoneRunning = phoneRunning && !stations[i].phone;
        loop.quit();
    };
    const auto startMore = [&]() {
        for (qsizetype i = 0; i < stations.size() && running < jobs; ++i) {
            if (children[i] || (stations[i].phone && phoneRunning))
                continue;
            children[i] = std::make_unique<QProcess>();
            QProcess& child = *children[i];
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QObject::connect(&child, &QProcess::finished, &loop, [&, i](int status, QProcess::ExitStatus exit) {
                settle(i, exit == QProcess::NormalExit && (status == 0 || status == 1)
                              ? QString()
                              : QStringLiteral("gqc_cli ended with status %1").arg(status));
            });
            QObject::connect(&child, &QProcess::errorOccurred, &loop, [&, i](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    settle(i, children[i]->errorString());
            });
            child.start(QCoreApplication::applicationFilePath(),
                        childArguments(QCoreApplication::arguments(), stations[i]));
            phoneRunning = phoneRunning || stations[i].phone;
            ++running;
        }
    };
    startMore();
    while (running > 0) {
        loop.exec();
        startMore();
    }
    return lines;
}

} // namespace

int collectCommand(const CliOptions& options, const WorkDirectory& directory,
                   const std::function<void(hgcbox&)>& prepareEngine, QTextStream& out, QTextStream& errors)
{
    SettingsBlock settings;
    settings.loadSettings(directory.settingsFile(), QSize());
    settings.loadEthernetList(directory.ethernetListFile());
    settings.loadPhoneList(directory.phoneListFile());
    const auto chosen = chosenStations(listedStations(settings, options.subscriberLists), options.onlyStations);
    if (const QString* unknown = std::get_if<QString>(&chosen)) {
        errors << "gqc_cli: collect: no subscriber list holds " << *unknown << '\n';
        return 2;
    }
    const QList<CollectStation>& stations = std::get<QList<CollectStation>>(chosen);
    if (stations.isEmpty()) {
        errors << "collect: no subscriber to collect from in " << directory.ethernetListFile() << " or "
               << directory.phoneListFile() << '\n';
        return 1;
    }

    QStringList lines;
    if (options.jobs.value_or(1) > 1 && stations.size() > 1) {
        lines = collectInChildren(stations, *options.jobs);
    } else {
        const CollectSetup setup{options, directory, settings, prepareEngine};
        for (const CollectStation& station : stations)
            lines.append(collectSummaryLine(collectStation(station, setup, errors)));
    }
    out << collectSummaryHeader() << '\n';
    bool allDone = true;
    for (const QString& line : lines) {
        out << line << '\n';
        allDone = allDone && line.endsWith(QStringLiteral("\tok"));
    }
    return allDone ? 0 : 1;
}
