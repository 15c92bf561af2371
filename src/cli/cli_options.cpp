#include "cli/cli_options.h"

#include "app/configuration_files.h"
#include "base/windows1251.h"
#include "cli/cli_archive_commands.h"
#include "cli/cli_collect_options.h"
#include "cli/tcp_endpoint.h"
#include "settings/link_record.h"
#include "tables/table_catalogue.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QTime>
#include <limits>

namespace {

// The working directory is the desktop program's (the application name), the messages are ours.
const QString ProgramName = QStringLiteral("gqc_cli");

constexpr int UserCodeLength = 4;
constexpr int PasswordLength = 12;
constexpr int MaxWriteValues = 229; // one frame's write data less the field range

constexpr int IntMax = std::numeric_limits<int>::max();

const char* const Description =
    "Talks to a gas-quality controller over TCP or a serial line: give the link and a COMMAND.\n"
    "Options may stand before or after the command.\n"
    "\n"
    "Commands:\n"
    "  identify                    the controller's identification\n"
    "  read TABLE FIRST COUNT      the fields, one a line in hex digits\n"
    "  write TABLE FIRST HEXBYTES  whole fields, at most 229 bytes\n"
    "  read-config                 every configuration table: its name, then its fields one a line\n"
    "  reset --yes                 clears all non-volatile data of the controller\n"
    "                              (address 1, 9600 bit/s after)\n"
    "  clock                       the controller's and the PC's date, time, day and time type,\n"
    "                              and the correction\n"
    "  sync-clock --yes            sends that correction to the controller\n"
    "  save-config FILE [--yes]    reads the configuration into the configuration file FILE (\".cnf\"\n"
    "                              added when it has no extension); an existing file only with --yes\n"
    "  config-info FILE            the configuration in FILE as the table dialogs show it, passwords\n"
    "                              and codes only as set or not; needs no link\n"
    "  write-config FILE --yes     writes every configuration table of FILE into the controller in\n"
    "                              its order; the user table and the clock (from the PC) only when\n"
    "                              the controller has them destroyed\n"
    "  config-diff A B             one line per field that differs; A and B are configuration files\n"
    "                              or the word controller (a file of that name: ./controller);\n"
    "                              against the controller the flow computers' passwords, which it\n"
    "                              never gives back, are not compared\n"
    "  read-archive KIND --from STAMP --to STAMP -o FILE [--csv OUT] [--yes|--no]\n"
    "                              reads an archive for the period into the archive data file FILE;\n"
    "                              KIND chrom-5min, chrom-hour, chrom-day, wmt-5min, wmt-hour or\n"
    "                              wmt-day; STAMP YYYY-MM-DD or YYYY-MM-DDTHH:MM, the parts finer\n"
    "                              than the archive's unit ignored; --yes goes on past records out\n"
    "                              of the period and moves a start the archive has dropped; --csv\n"
    "                              OUT writes the records as view does\n"
    "  read-log (aud|ala) (--first INDEX --count N | --last N | --from STAMP --to STAMP) -o FILE\n"
    "          [--csv OUT]         reads the operator-intervention (aud) or diagnostic (ala) log by\n"
    "                              index or by period and saves it as the log file FILE the viewer\n"
    "                              would save; --csv OUT writes the rows as view does\n"
    "  view FILE [--csv OUT] [--xlsx OUT] [--pdf OUT]\n"
    "                              the archive data file FILE as its viewer shows it, into the CSV\n"
    "                              file OUT (\";\"-separated, UTF-8, a header line of the column\n"
    "                              captions, then one line per record), the workbook of the\n"
    "                              viewer's \"Сохранить в формате Excel\" (chromatograph archives)\n"
    "                              and/or as the viewer prints it, into the PDF file OUT (the\n"
    "                              organisation of INI/title.ini); the presentation settings of\n"
    "                              INI/repconf.ini; needs no link\n"
    "  report day --date DAY [-o FILE] [--pdf OUT]\n"
    "                              reads the gas day DAY (YYYY-MM-DD) of the day archive into the\n"
    "                              report data file FILE (default REPORT/repYYMMDD.srt) and prints\n"
    "                              its daily certificate or passport (the report kind of\n"
    "                              INI/repconf.ini) into the PDF file OUT\n"
    "  report print FILE --pdf OUT the report data file FILE printed as by report day; needs no link\n"
    "  report xlsx-day --object NAME --date DAY [--replace]\n"
    "  report xlsx-month --object NAME --month YYYY-MM [--replace]\n"
    "                              reads the gas day's hours (or the month's days) of the\n"
    "                              chromatograph and the moisture meter into the day (month) report\n"
    "                              workbook REPORT/NAME_day_YYMMDD.xlsx (NAME_mon_YYMM.xlsx) of the\n"
    "                              object NAME, listed in INI/objects.ini or not; a report already\n"
    "                              there is replaced only with --replace\n"
    "  collect [--subscribers ethernet|phone|all] [--only NAME]... [--since DAY] [--jobs N]\n"
    "                              fetches what is new of the day and hourly archives and both logs\n"
    "                              from every subscriber of INI/ethr_abonents.ini and\n"
    "                              INI/fon_abonents.ini (or those named) into STATIONS/NAME, makes\n"
    "                              the day reports of each new day and prints a summary; exit status\n"
    "                              1 when any station failed (docs/scheduling.md)\n"
    "  plot FILE --param NAME [--param NAME ...] -o OUT [--config CNF]\n"
    "                              the trend chart of the archive data file FILE into OUT (PNG, or\n"
    "                              PDF when OUT ends in .pdf): each parameter NAME (a short name such\n"
    "                              as methane, hhv, wdp, or the column caption as the viewer shows\n"
    "                              it; a NAME the file lacks lists them) against time, substituted\n"
    "                              values marked, the set-points of the configuration file CNF as\n"
    "                              levels; needs no link\n"
    "  watch [--count N]           the chromatograph's current values (as INI/repconf.ini presents\n"
    "                              them), their zones and the links of the controller, once a\n"
    "                              second, N times or until interrupted\n"
    "\n"
    "Link options left out take the link's section of INI/gqc.ini in the working directory.\n"
    "Exit status: 0 done, 1 a failed connection or exchange or a refused configuration file (the\n"
    "reason on stderr), 2 a usage error. config-diff: 0 alike, 1 different, 2 a usage error,\n"
    "3 a file refused or a failed connection or exchange.";

// One option of the command line; a number option also says where its value
// goes and its range.
struct OptionRow {
    const char* name;
    const char* valueName; // none: a flag
    const char* description;
    std::optional<int> CliOptions::*number = nullptr;
    int minimum = 0;
    int maximum = 0;
};

const OptionRow Options[] = {
    {"workdir", "DIR", "The working directory (default: the program's own when writable, else the user's data)."},
    {"trace", "FILE", "Appends a line for every frame sent and every answer received to FILE."},
    {"tcp", "HOST:PORT",
     "The controller (or its converter) as a TCP server; an IPv6 address goes in brackets: [::1]:502."},
    {"serial", "PORT", "The controller on a serial line: COMn or a device path."},
    {"phone", "NUMBER", "Dials NUMBER through the modem on the serial PORT before COMMAND and hangs up after it."},
    {"modem-init", "TEXT",
     "Modem initialisation, \"AT\" commands joined by \"^\" (default: Command of [FON_CONN_PAR])."},
    // The ranges the link-parameters dialog allows.
    {"dial-attempts", "N", "Dialling attempts, 1 to 10 (default: Conn_Repeat of [FON_CONN_PAR]).",
     &CliOptions::dialAttempts, 1, 10},
    {"connect-wait-s", "N", "Wait for the modem's connection, 1 to 360 s (default: ConnectWaitTime of [FON_CONN_PAR]).",
     &CliOptions::connectWaitS, 1, 360},
    {"address", "N", "Controller address, 1 to 255.", &CliOptions::address, 1, 255},
    {"baud", "N", "Bit rate of the serial line.", &CliOptions::baud, 1, IntMax},
    {"preambles", "N", "0xFF bytes ahead of each request, 0 to 255.", &CliOptions::preambles, 0, 255},
    {"attempts", "N", "Attempts of each request, 1 to 255.", &CliOptions::attempts, 1, 255},
    {"inter-byte-ms", "N", "Longest gap between answer bytes, ms.", &CliOptions::interByteMs, 1, IntMax},
    {"answer-timeout-s", "N", "Longest wait for the answer to begin, s.", &CliOptions::answerTimeoutS, 1,
     IntMax / 1000},
    {"send-pause-ms", "N",
     "Pause before each request over TCP, 0 to 5000 ms (default: Send_Pause_ms of [ETHERNET_CONN_PAR]).",
     &CliOptions::sendPauseMs, 0, MaxSendPauseMs},
    {"user", "CODE", "The operator's user code for writes, at most 4 characters."},
    {"password", "TEXT", "The operator's password for writes, at most 12 characters."},
    {"yes", nullptr,
     "Confirms what cannot be undone: reset, sync-clock, write-config, save-config over a file; answers "
     "read-archive's questions Yes."},
    {"no", nullptr, "Answers read-archive's questions No (the default)."},
    {"from", "STAMP", "read-archive: the start of the period."},
    {"to", "STAMP", "read-archive: the end of the period."},
    {"first", "INDEX", "read-log: the global index of the first record to read."},
    {"count", "N",
     "read-log: how many records to read from --first; watch: rounds of current values, 1 or more (default: until "
     "interrupted)."},
    {"last", "N", "read-log: read the newest N records."},
    {"o", "FILE",
     "read-archive: the archive data file to write; report day: the report data file; plot: the image or PDF."},
    {"param", "NAME", "plot: a parameter to draw; give it once per parameter."},
    {"config", "CNF", "plot: the configuration file whose set-points are drawn."},
    {"date", "DAY", "report day and xlsx-day: the gas day of the report, YYYY-MM-DD."},
    {"month", "MONTH", "report xlsx-month: the month of the report, YYYY-MM."},
    {"object", "NAME", "report xlsx-day and xlsx-month: the metering object the report is made for."},
    {"replace", nullptr, "report xlsx-day and xlsx-month: a report already there is replaced."},
    {"csv", "OUT", "view and read-archive: the CSV file the records are written to, as the viewer shows them."},
    {"xlsx", "OUT", "view: the workbook the chromatograph records are written to, as the viewer exports them."},
    {"subscribers", "LISTS", "collect: ethernet, phone or all (default) of the subscriber lists."},
    {"only", "NAME", "collect: only the subscriber NAME; may be given more than once."},
    {"since", "DAY", "collect: a station's first run fetches from DAY (YYYY-MM-DD), default the last 31 days."},
    {"jobs", "N", "collect: Ethernet stations collected at once, 1 to 64 (default 1).", &CliOptions::jobs, 1, 64},
    {"pdf", "OUT",
     "view: the PDF file the records are printed to, as the viewer prints them; report: the daily "
     "document."},
};

std::optional<int> number(const QString& text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<QByteArray> credential(const QString& text, int length)
{
    const QByteArray bytes = toWindows1251(text);
    if (bytes.size() > length)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> hexBytes(const QString& text)
{
    if (text.isEmpty() || text.size() % 2 != 0 || text.size() / 2 > MaxWriteValues)
        return std::nullopt;
    for (const QChar c : text) {
        if (!c.isDigit() && !QStringLiteral("abcdefABCDEF").contains(c))
            return std::nullopt;
    }
    return QByteArray::fromHex(text.toLatin1());
}

// The fields must lie within a table the program knows.
std::optional<QString> outsideTable(int table, int first, int count, const char* command)
{
    if (TableCatalogue::contains(FieldRange{static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
                                            static_cast<std::uint8_t>(count)}))
        return std::nullopt;
    return QStringLiteral("%1: table %2 has no fields %3 to %4")
        .arg(QLatin1String(command))
        .arg(table)
        .arg(first)
        .arg(first + count - 1);
}

// A moment of the command line: a date, or a date and a time to the minute.
std::optional<DateStamp> stampOption(const QString& text)
{
    constexpr int CenturyBase = 2000;
    constexpr int LastYear = CenturyBase + 255;
    const QStringList parts = text.split(QLatin1Char('T'));
    const QDate date = QDate::fromString(parts[0], QStringLiteral("yyyy-MM-dd"));
    const QTime time = parts.size() == 2 ? QTime::fromString(parts[1], QStringLiteral("HH:mm")) : QTime(0, 0);
    if (parts.size() > 2 || !date.isValid() || !time.isValid() || date.year() < CenturyBase || date.year() > LastYear)
        return std::nullopt;
    return DateStamp{date.year() - CenturyBase, date.month(), date.day(), time.hour(), time.minute(), 0};
}

std::optional<QString> parseReadArchive(const QStringList& words, const QCommandLineParser& parser, CliOptions& options)
{
    const std::optional<ArchiveKind> kind = archiveKindNamed(words.value(1));
    if (!kind)
        return QStringLiteral("read-archive: KIND is chrom-5min, chrom-hour, chrom-day, wmt-5min, wmt-hour or wmt-day");
    const std::optional<DateStamp> from = stampOption(parser.value(QStringLiteral("from")));
    const std::optional<DateStamp> to = stampOption(parser.value(QStringLiteral("to")));
    if (!from || !to)
        return QStringLiteral("read-archive: --from and --to are YYYY-MM-DD or YYYY-MM-DDTHH:MM");
    if (parser.value(QStringLiteral("o")).isEmpty())
        return QStringLiteral("read-archive: -o FILE names the archive data file to write");
    if (parser.isSet(QStringLiteral("yes")) && parser.isSet(QStringLiteral("no")))
        return QStringLiteral("read-archive: give --yes or --no, not both");
    options.command = CliOptions::Command::ReadArchive;
    options.archiveKind = *kind;
    options.periodFrom = *from;
    options.periodTo = *to;
    options.file = parser.value(QStringLiteral("o"));

    return std::nullopt;
}

std::optional<std::uint32_t> indexOption(const QCommandLineParser& parser, const QString& name)
{
    bool ok = false;
    const uint value = parser.value(name).toUInt(&ok);
    return ok ? std::optional<std::uint32_t>(value) : std::nullopt;
}

std::optional<QString> parseReadLog(const QStringList& words, const QCommandLineParser& parser, CliOptions& options)
{
    const QString log = words.value(1);
    if (log != QLatin1String("aud") && log != QLatin1String("ala"))
        return QStringLiteral("read-log: the log is aud (operator interventions) or ala (diagnostic messages)");
    options.logKind = log == QLatin1String("aud") ? LogKind::Interventions : LogKind::Diagnostics;
    const bool byRange = parser.isSet(QStringLiteral("first")) || parser.isSet(QStringLiteral("count"));
    const bool byLast = parser.isSet(QStringLiteral("last"));
    const bool byPeriod = parser.isSet(QStringLiteral("from")) || parser.isSet(QStringLiteral("to"));
    if (int(byRange) + int(byLast) + int(byPeriod) != 1)
        return QStringLiteral("read-log: give --first INDEX --count N, --last N or --from STAMP --to STAMP");
    if (byRange) {
        const auto first = indexOption(parser, QStringLiteral("first"));
        const auto count = indexOption(parser, QStringLiteral("count"));
        if (!first || !count || *count == 0)
            return QStringLiteral("read-log: --first is an index and --count a number above 0");
        options.logPart = CliOptions::LogPart::Range;
        options.logFirst = *first;
        options.logCount = *count;
    } else if (byLast) {
        const auto count = indexOption(parser, QStringLiteral("last"));
        if (!count || *count == 0)
            return QStringLiteral("read-log: --last is a number above 0");
        options.logPart = CliOptions::LogPart::Last;
        options.logCount = *count;
    } else {
        const std::optional<DateStamp> from = stampOption(parser.value(QStringLiteral("from")));
        const std::optional<DateStamp> to = stampOption(parser.value(QStringLiteral("to")));
        if (!from || !to)
            return QStringLiteral("read-log: --from and --to are YYYY-MM-DD or YYYY-MM-DDTHH:MM");
        if (*to < *from)
            return QStringLiteral("read-log: --to is before --from");
        options.logPart = CliOptions::LogPart::Period;
        options.periodFrom = *from;
        options.periodTo = *to;
    }
    if (parser.value(QStringLiteral("o")).isEmpty())
        return QStringLiteral("read-log: -o FILE names the log file to write");
    options.command = CliOptions::Command::ReadLog;
    options.file = parser.value(QStringLiteral("o"));
    return std::nullopt;
}

std::optional<QString> parseSpreadsheetReport(const QString& word, const QCommandLineParser& parser,
                                              CliOptions& options)
{
    const bool day = word == QLatin1String("xlsx-day");
    const QString command = QStringLiteral("report ") + word;
    options.objectName = parser.value(QStringLiteral("object"));
    if (options.objectName.isEmpty())
        return command + QStringLiteral(": --object NAME names the metering object");
    const std::optional<DateStamp> date =
        day ? stampOption(parser.value(QStringLiteral("date")))
            : stampOption(parser.value(QStringLiteral("month")) + QStringLiteral("-01"));
    if (!date || date->hour != 0 || date->minute != 0)
        return command + (day ? QStringLiteral(": --date DAY is YYYY-MM-DD") : QStringLiteral(": --month is YYYY-MM"));
    options.command = CliOptions::Command::ReportSpreadsheet;
    options.spreadsheetKind = day ? SpreadsheetReportKind::Day : SpreadsheetReportKind::Month;
    options.spreadsheetDate = *date;
    options.replaceReport = parser.isSet(QStringLiteral("replace"));
    return std::nullopt;
}

std::optional<QString> parseReport(const QStringList& words, const QCommandLineParser& parser, CliOptions& options)
{
    if (words.value(1) == QLatin1String("day") && words.size() == 2) {
        const std::optional<DateStamp> day = stampOption(parser.value(QStringLiteral("date")));
        if (!day || day->hour != 0 || day->minute != 0)
            return QStringLiteral("report day: --date DAY is YYYY-MM-DD");
        options.command = CliOptions::Command::ReportDay;
        options.reportDay = QDate(2000 + day->year, day->month, day->day);
        options.file = parser.value(QStringLiteral("o"));
        return std::nullopt;
    }
    if (words.value(1) == QLatin1String("print") && words.size() == 3) {
        if (options.pdf.isEmpty())
            return QStringLiteral("report print: --pdf OUT names the PDF file to write");
        options.command = CliOptions::Command::ReportPrint;
        options.file = words[2];
        return std::nullopt;
    }
    if ((words.value(1) == QLatin1String("xlsx-day") || words.value(1) == QLatin1String("xlsx-month")) &&
        words.size() == 2)
        return parseSpreadsheetReport(words[1], parser, options);
    return QStringLiteral("report: day --date DAY [-o FILE] [--pdf OUT], print FILE --pdf OUT, "
                          "xlsx-day --object NAME --date DAY or xlsx-month --object NAME --month YYYY-MM");
}

// Reads COMMAND and its arguments.
std::optional<QString> parseCommand(const QStringList& words, const QCommandLineParser& parser, CliOptions& options)
{
    const QString command = words.value(0);
    const auto field = [&](int index, int minimum) { return number(words.value(index), minimum, 255); };
    if (command == QLatin1String("identify") && words.size() == 1) {
        options.command = CliOptions::Command::Identify;
        return std::nullopt;
    }
    if (command == QLatin1String("read") && words.size() == 4) {
        const auto table = field(1, 0), first = field(2, 0), count = field(3, 1);
        if (!table || !first || !count)
            return QStringLiteral("read: TABLE and FIRST are 0 to 255, COUNT 1 to 255");
        if (const auto outside = outsideTable(*table, *first, *count, "read"))
            return outside;
        options.command = CliOptions::Command::Read;
        options.table = *table;
        options.first = *first;
        options.count = *count;
        return std::nullopt;
    }
    if (command == QLatin1String("write") && words.size() == 4) {
        const auto table = field(1, 0), first = field(2, 0);
        const auto values = hexBytes(words[3]);
        if (!table || !first || !values)
            return QStringLiteral("write: TABLE and FIRST are 0 to 255, HEXBYTES 1 to 229 bytes in hex digits");
        const int fieldLength = TableCatalogue::descriptor(*table).fieldLength;
        if (fieldLength == 0 || values->size() % fieldLength != 0)
            return QStringLiteral("write: HEXBYTES must be whole fields of table %1").arg(*table);
        if (const auto outside = outsideTable(*table, *first, static_cast<int>(values->size() / fieldLength), "write"))
            return outside;
        options.command = CliOptions::Command::Write;
        options.table = *table;
        options.first = *first;
        options.values = *values;
        return std::nullopt;
    }
    if (command == QLatin1String("read-config") && words.size() == 1) {
        options.command = CliOptions::Command::ReadConfig;
        return std::nullopt;
    }
    if (command == QLatin1String("clock") && words.size() == 1) {
        options.command = CliOptions::Command::Clock;
        return std::nullopt;
    }
    if (command == QLatin1String("sync-clock") && words.size() == 1) {
        if (!options.confirmed)
            return QStringLiteral("sync-clock moves the controller's clock: give --yes to confirm");
        options.command = CliOptions::Command::SyncClock;
        return std::nullopt;
    }
    if (command == QLatin1String("save-config") && words.size() == 2) {
        const QString file = withConfigurationExtension(words[1]);
        if (QFileInfo::exists(file) && !options.confirmed)
            return QStringLiteral("save-config: %1 exists: give --yes to replace it").arg(file);
        options.command = CliOptions::Command::SaveConfig;
        options.file = file;
        return std::nullopt;
    }
    if (command == QLatin1String("config-info") && words.size() == 2) {
        options.command = CliOptions::Command::ConfigInfo;
        options.file = words[1];
        return std::nullopt;
    }
    if (command == QLatin1String("write-config") && words.size() == 2) {
        if (!options.confirmed)
            return QStringLiteral("write-config writes every configuration table into the controller: give --yes to "
                                  "confirm");
        options.command = CliOptions::Command::WriteConfig;
        options.file = words[1];
        return std::nullopt;
    }
    if (command == QLatin1String("config-diff") && words.size() == 3) {
        options.command = CliOptions::Command::ConfigDiff;
        options.file = words[1];
        options.otherFile = words[2];
        return std::nullopt;
    }
    if (command == QLatin1String("read-archive") && words.size() == 2)
        return parseReadArchive(words, parser, options);
    if (command == QLatin1String("read-log") && words.size() == 2)
        return parseReadLog(words, parser, options);
    if (command == QLatin1String("view") && words.size() == 2) {
        if (options.csv.isEmpty() && options.xlsx.isEmpty() && options.pdf.isEmpty())
            return QStringLiteral("view: give --csv OUT, --xlsx OUT or --pdf OUT, the file to write");
        options.command = CliOptions::Command::View;
        options.file = words[1];
        return std::nullopt;
    }
    if (command == QLatin1String("plot") && words.size() == 2) {
        options.plotParameters = parser.values(QStringLiteral("param"));
        options.plotOutput = parser.value(QStringLiteral("o"));
        if (options.plotParameters.isEmpty() || options.plotOutput.isEmpty())
            return QStringLiteral("plot: give --param NAME (one or more) and -o OUT.png or OUT.pdf");
        options.command = CliOptions::Command::Plot;
        options.file = words[1];
        options.plotConfig = parser.value(QStringLiteral("config"));
        return std::nullopt;
    }
    if (command == QLatin1String("watch") && words.size() == 1) {
        if (parser.isSet(QStringLiteral("count"))) {
            options.watchCount = number(parser.value(QStringLiteral("count")), 1, IntMax);
            if (!options.watchCount)
                return QStringLiteral("--count: rounds of current values, 1 or more");
        }
        options.command = CliOptions::Command::Watch;
        return std::nullopt;
    }
    if (command == QLatin1String("report"))
        return parseReport(words, parser, options);
    if (command == QLatin1String("collect") && words.size() == 1)
        return parseCollect(parser, options);
    if (command == QLatin1String("reset") && words.size() == 1) {
        if (!options.confirmed)
            return QStringLiteral("reset clears all non-volatile data of the controller: give --yes to confirm");
        options.command = CliOptions::Command::Reset;
        return std::nullopt;
    }
    return QStringLiteral("unknown command or wrong number of arguments: %1").arg(words.join(QLatin1Char(' ')));
}

// The link: --tcp or --serial, and the modem's options that go with --serial.
std::optional<QString> takeLink(const QCommandLineParser& parser, CliOptions& options)
{
    const qsizetype links =
        parser.values(QStringLiteral("tcp")).size() + parser.values(QStringLiteral("serial")).size();
    if (links == 0)
        return QStringLiteral("give --tcp HOST:PORT or --serial PORT");
    if (links > 1)
        return QStringLiteral("give either --tcp or --serial, once");
    options.tcp = parser.isSet(QStringLiteral("tcp"));
    if (options.tcp) {
        const auto endpoint = parseTcpEndpoint(parser.value(QStringLiteral("tcp")));
        if (const QString* error = std::get_if<QString>(&endpoint))
            return *error;
        options.host = std::get<TcpEndpoint>(endpoint).host;
        options.service = std::get<TcpEndpoint>(endpoint).service;
    } else {
        options.port = parser.value(QStringLiteral("serial"));
    }

    if (parser.isSet(QStringLiteral("phone"))) {
        options.phone = parser.value(QStringLiteral("phone"));
        if (options.phone->trimmed().isEmpty())
            return QStringLiteral("--phone: a number to dial");
    }
    if (parser.isSet(QStringLiteral("modem-init")))
        options.modemInit = parser.value(QStringLiteral("modem-init"));
    if (options.phone && options.tcp)
        return QStringLiteral("--phone dials through a modem on a serial port: give --serial PORT");
    if (!options.phone && (options.modemInit || options.dialAttempts || options.connectWaitS))
        return QStringLiteral("--modem-init, --dial-attempts and --connect-wait-s go with --phone");
    if (!options.tcp && options.sendPauseMs)
        return QStringLiteral("--send-pause-ms goes with --tcp");
    return std::nullopt;
}

// Takes the options' values into `options`; what is wrong with them, if anything.
std::optional<QString> takeOptions(const QCommandLineParser& parser, CliOptions& options)
{
    for (const OptionRow& option : Options) {
        const QString name = QLatin1String(option.name);
        if (!option.number || !parser.isSet(name))
            continue;
        options.*option.number = number(parser.value(name), option.minimum, option.maximum);
        if (!(options.*option.number))
            return QStringLiteral("--%1: a number from %2 to %3").arg(name).arg(option.minimum).arg(option.maximum);
    }
    options.workdir = parser.value(QStringLiteral("workdir"));
    if (parser.isSet(QStringLiteral("trace"))) {
        options.trace = parser.value(QStringLiteral("trace"));
        if (options.trace.isEmpty())
            return QStringLiteral("--trace: a file name");
    }
    if (parser.isSet(QStringLiteral("user"))) {
        options.userCode = credential(parser.value(QStringLiteral("user")), UserCodeLength);
        if (!options.userCode)
            return QStringLiteral("--user: at most %1 characters").arg(UserCodeLength);
    }
    if (parser.isSet(QStringLiteral("password"))) {
        options.password = credential(parser.value(QStringLiteral("password")), PasswordLength);
        if (!options.password)
            return QStringLiteral("--password: at most %1 characters").arg(PasswordLength);
    }
    options.csv = parser.value(QStringLiteral("csv"));
    options.xlsx = parser.value(QStringLiteral("xlsx"));
    options.pdf = parser.value(QStringLiteral("pdf"));
    options.confirmed = parser.isSet(QStringLiteral("yes"));
    return std::nullopt;
}

CliUsageError usageError(const QString& error)
{
    return {usageErrorText(error)};
}

} // namespace

bool needsLink(const CliOptions& options)
{
    switch (options.command) {
    case CliOptions::Command::ConfigInfo:
    case CliOptions::Command::View:
    case CliOptions::Command::ReportPrint:
    case CliOptions::Command::Plot:
        return false;
    case CliOptions::Command::ConfigDiff:
        return options.file == ControllerSide || options.otherFile == ControllerSide;
    default:
        return true;
    }
}

int failureStatus(const CliOptions& options)
{
    constexpr int Trouble = 3;
    return options.command == CliOptions::Command::ConfigDiff ? Trouble : 1;
}

QString usageErrorText(const QString& error)
{
    return QStringLiteral("%1: %2\n").arg(ProgramName, error);
}

CliRequest parseCliOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("A command of the list above."),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const OptionRow& option : Options) {
        parser.addOption(QCommandLineOption(QLatin1String(option.name), QLatin1String(option.description),
                                            option.valueName ? QLatin1String(option.valueName) : QString()));
    }

    if (arguments.size() <= 1)
        return CliUsageError{parser.helpText()};
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(version))
        return CliInformation{QStringLiteral("%1 %2\n").arg(ProgramName, QCoreApplication::applicationVersion())};
    // --help-all would add the options of Qt itself; gqc_cli takes none of them.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return CliInformation{parser.helpText()};

    CliOptions options;
    if (const std::optional<QString> error = takeOptions(parser, options))
        return usageError(*error);
    if (const std::optional<QString> error = parseCommand(parser.positionalArguments(), parser, options))
        return usageError(*error);
    if (!needsLink(options))
        return options;
    if (options.command == CliOptions::Command::Collect)
        return options; // each station brings its own link
    if (const std::optional<QString> error = takeLink(parser, options))
        return usageError(*error);
    return options;
}
