#include "sim/sim_command_line.h"

#include "sim/sim_default_tables.h"
#include "sim/sim_table_map.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

bool integer(const QString& text, int lowest, int highest, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok, 10);
    return ok && *value >= lowest && *value <= highest;
}

// A wall-clock moment as the controller holds it, free of the host's time-zone rules.
QDateTime moment(const QString& text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return {};
    const QDate date = QDate::fromString(parts[0], QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(parts[1], QStringLiteral("HH:mm:ss"));
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

} // namespace

QString SimCommandLine::usage()
{
    return QStringLiteral(
        "usage: gqc_sim [--help] [--tcp HOST:PORT] [--pty LINK] [--modem] [--modem-dial RESULT] [--no-gsm]\n"
        "               [--modem-numeric] [--address N] [--version 4|14] [--no-moisture-meter]\n"
        "               [--flow-computers N] [--destroyed T,...] [--baud N] [--pace] [--turnaround-ms N]\n"
        "               [--seed N] [--clock \"YYYY-MM-DD HH:MM:SS\"]\n"
        "               [--damaged-record \"YYYY-MM-DD HH:MM:SS\"]...\n"
        "               [--chromatograph-link-lost \"YYYY-MM-DD HH:MM:SS\"] [--moisture-link-lost \"...\"]\n"
        "               [--flow-computer-links HEXMASK] [--faults FILE] [--log FILE]\n");
}

bool SimCommandLine::asksForUsage(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

bool SimCommandLine::parse(const QStringList& arguments, SimServerOptions* options, QString* error)
{
    const auto fail = [error](const QString& why) {
        *error = why;
        return false;
    };
    QCommandLineParser parser;
    const auto valued = [&](const char* name) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    };
    for (const char* name : {"tcp", "pty", "modem-dial", "address", "version", "flow-computers", "destroyed", "baud",
                             "turnaround-ms", "seed", "clock", "damaged-record", "faults", "log",
                             "chromatograph-link-lost", "moisture-link-lost", "flow-computer-links"})
        valued(name);
    for (const char* name : {"modem", "no-gsm", "modem-numeric", "no-moisture-meter", "pace"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first()));

    SimControllerOptions& controller = options->controller;
    int value = 0;
    if (parser.isSet("tcp")) {
        const QString where = parser.value("tcp");
        const qsizetype colon = where.lastIndexOf(QLatin1Char(':'));
        if (colon <= 0 || !integer(where.mid(colon + 1), 0, 65535, &value))
            return fail(QStringLiteral("--tcp takes HOST:PORT"));
        options->tcp = true;
        options->tcpHost = where.left(colon);
        options->tcpPort = static_cast<quint16>(value);
    }
    if (parser.isSet("pty")) {
        options->pty = true;
        options->ptyLink = parser.value("pty");
    }
    if (!options->tcp && !options->pty)
        options->tcp = true; // a free loopback port
    options->modem = parser.isSet("modem");
    if (options->modem && !options->pty)
        return fail(QStringLiteral("--modem works on the pseudo-terminal: give --pty LINK"));
    if (parser.isSet("modem-dial"))
        options->modemSettings.dialResult = parser.value("modem-dial").toLatin1();
    options->modemSettings.gsmReady = !parser.isSet("no-gsm");
    options->modemSettings.numericAtStart = parser.isSet("modem-numeric");

    if (parser.isSet("address")) {
        if (!integer(parser.value("address"), 1, 254, &controller.address))
            return fail(QStringLiteral("--address takes 1 to 254"));
    }
    if (parser.isSet("version")) {
        if (!integer(parser.value("version"), 4, 14, &controller.version) ||
            (controller.version != 4 && controller.version != 14))
            return fail(QStringLiteral("--version takes 4 or 14"));
    }
    controller.history.moistureMeter = !parser.isSet("no-moisture-meter");
    if (parser.isSet("flow-computers") && !integer(parser.value("flow-computers"), 1, 16, &controller.flowComputers))
        return fail(QStringLiteral("--flow-computers takes 1 to 16"));
    if (parser.isSet("destroyed")) {
        for (const QString& item : parser.value("destroyed").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (!integer(item, 0, SimTableMap::tableCount - 1, &value) || !SimTableMap::isConfiguration(value))
                return fail(QStringLiteral("--destroyed takes configuration table numbers: %1").arg(item));
            controller.destroyed.append(value);
        }
    }
    if (parser.isSet("baud")) {
        if (!integer(parser.value("baud"), 1, 1000000, &controller.baud) ||
            SimDefaultTables::baudCode(controller.baud) < 0)
            return fail(QStringLiteral("--baud takes one of the controller's rates (300 ... 230400)"));
    }
    options->pace = parser.isSet("pace");
    if (parser.isSet("turnaround-ms") && !integer(parser.value("turnaround-ms"), 0, 60000, &options->turnaroundMs))
        return fail(QStringLiteral("--turnaround-ms takes 0 to 60000"));
    if (parser.isSet("seed")) {
        bool ok = false;
        controller.history.seed = parser.value("seed").toUInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--seed takes an unsigned number"));
    }
    if (parser.isSet("clock")) {
        controller.clock = moment(parser.value("clock"));
        if (!controller.clock.isValid() || controller.clock.date().year() < 2000 ||
            controller.clock.date().year() > 2099)
            return fail(QStringLiteral("--clock takes \"YYYY-MM-DD HH:MM:SS\" in 2000 to 2099"));
    }
    for (const QString& text : parser.values("damaged-record")) {
        const QDateTime stamp = moment(text);
        if (!stamp.isValid())
            return fail(QStringLiteral("--damaged-record takes \"YYYY-MM-DD HH:MM:SS\""));
        controller.history.damagedRecords.append(stamp);
    }
    for (const auto& [option, lost] : {std::pair{"chromatograph-link-lost", &controller.history.chromatographLinkCut},
                                       std::pair{"moisture-link-lost", &controller.history.moistureMeterLinkCut}}) {
        if (!parser.isSet(option))
            continue;
        *lost = moment(parser.value(option));
        if (!lost->isValid())
            return fail(QStringLiteral("--%1 takes \"YYYY-MM-DD HH:MM:SS\"").arg(QLatin1String(option)));
    }
    if (parser.isSet("flow-computer-links")) {
        bool ok = false;
        const uint mask = parser.value("flow-computer-links").toUInt(&ok, 16);
        if (!ok || mask > 0xFFFF)
            return fail(QStringLiteral("--flow-computer-links takes a hexadecimal mask 0 to FFFF"));
        controller.history.flowComputerLinks = static_cast<std::uint16_t>(mask);
    }
    if (parser.isSet("faults")) {
        QFile file(parser.value("faults"));
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read the fault file %1").arg(file.fileName()));
        QString why;
        if (!SimFault::parseText(QString::fromUtf8(file.readAll()), &controller.faults, &why))
            return fail(QStringLiteral("%1: %2").arg(file.fileName(), why));
    }
    controller.logFile = parser.value("log");
    return true;
}
