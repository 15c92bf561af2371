#include "cli/cli_options.h"

#include "base/windows1251.h"
#include "tables/table_catalogue.h"

#include <limits>

const char* const CliUsage =
    "usage: gqc_cli [--workdir DIR] [--trace FILE] (--tcp HOST:PORT | --serial PORT [MODEM]) [--address N]\n"
    "               [--baud N] [--preambles N] [--attempts N] [--inter-byte-ms N] [--answer-timeout-s N]\n"
    "               [--user CODE] [--password TEXT] [--yes] COMMAND ...\n"
    "COMMAND: identify | read TABLE FIRST COUNT | write TABLE FIRST HEXBYTES | read-config | reset | clock\n"
    "         | sync-clock\n"
    "  read         the fields, one a line in hex digits\n"
    "  write        whole fields, at most 229 bytes\n"
    "  read-config  every configuration table: its name, then its fields one a line\n"
    "  reset        clears all non-volatile data of the controller (address 1, 9600 bit/s after); needs --yes\n"
    "  clock        the controller's and the PC's date, time, day and time type, and the correction\n"
    "  sync-clock   sends that correction to the controller; needs --yes\n"
    "--trace FILE: appends a line for every frame sent and every answer received to FILE\n"
    "PORT: COMn or a device path\n"
    "MODEM: --phone NUMBER [--modem-init TEXT] [--dial-attempts N] [--connect-wait-s N]\n"
    "       dials NUMBER through the modem on PORT before COMMAND and hangs up after it;\n"
    "       TEXT is \"AT\" commands joined by \"^\". Defaults: Command, Conn_Repeat and\n"
    "       ConnectWaitTime of [FON_CONN_PAR] in gqc.ini\n";

namespace {

constexpr int UserCodeLength = 4;
constexpr int PasswordLength = 12;
constexpr int MaxWriteValues = 229; // one frame's write data less the field range

struct NumberOption {
    const char* name;
    std::optional<int> CliOptions::*field;
    int minimum;
    int maximum;
};

constexpr int IntMax = std::numeric_limits<int>::max();

const NumberOption NumberOptions[] = {
    {"--address", &CliOptions::address, 1, 255},
    {"--baud", &CliOptions::baud, 1, IntMax},
    {"--preambles", &CliOptions::preambles, 0, 255},
    {"--attempts", &CliOptions::attempts, 1, 255},
    {"--inter-byte-ms", &CliOptions::interByteMs, 1, IntMax},
    {"--answer-timeout-s", &CliOptions::answerTimeoutS, 1, IntMax / 1000},
    // The ranges the link-parameters dialog allows.
    {"--dial-attempts", &CliOptions::dialAttempts, 1, 10},
    {"--connect-wait-s", &CliOptions::connectWaitS, 1, 360},
};

const NumberOption* numberOption(const QString& name)
{
    for (const NumberOption& option : NumberOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

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

bool splitHostAndService(const QString& text, CliOptions& options)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0 || colon == text.size() - 1)
        return false;
    options.host = text.left(colon);
    options.service = text.mid(colon + 1);
    return true;
}

// Reads COMMAND and its arguments.
std::optional<QString> parseCommand(const QStringList& words, CliOptions& options)
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
    if (command == QLatin1String("reset") && words.size() == 1) {
        if (!options.confirmed)
            return QStringLiteral("reset clears all non-volatile data of the controller: give --yes to confirm");
        options.command = CliOptions::Command::Reset;
        return std::nullopt;
    }
    return QStringLiteral("unknown command or wrong number of arguments: %1").arg(words.join(QLatin1Char(' ')));
}

} // namespace

std::variant<CliOptions, QString> parseCliOptions(const QStringList& arguments)
{
    CliOptions options;
    bool linkGiven = false;
    int at = 0;
    while (at < arguments.size() && arguments[at].startsWith(QLatin1String("--"))) {
        const QString& name = arguments[at++];
        if (name == QLatin1String("--yes")) {
            options.confirmed = true;
            continue;
        }
        if (at >= arguments.size())
            return QStringLiteral("%1 needs a value").arg(name);
        const QString& value = arguments[at++];
        if (const NumberOption* option = numberOption(name)) {
            options.*option->field = number(value, option->minimum, option->maximum);
            if (!(options.*option->field))
                return QStringLiteral("%1: a number from %2 to %3").arg(name).arg(option->minimum).arg(option->maximum);
        } else if (name == QLatin1String("--workdir")) {
            options.workdir = value;
        } else if (name == QLatin1String("--trace")) {
            if (value.isEmpty())
                return QStringLiteral("--trace: a file name");
            options.trace = value;
        } else if (name == QLatin1String("--serial") || name == QLatin1String("--tcp")) {
            if (linkGiven)
                return QStringLiteral("give either --tcp or --serial, once");
            linkGiven = true;
            options.tcp = name == QLatin1String("--tcp");
            if (!options.tcp)
                options.port = value;
            else if (!splitHostAndService(value, options))
                return QStringLiteral("--tcp: HOST:PORT");
        } else if (name == QLatin1String("--phone")) {
            if (value.trimmed().isEmpty())
                return QStringLiteral("--phone: a number to dial");
            options.phone = value;
        } else if (name == QLatin1String("--modem-init")) {
            options.modemInit = value;
        } else if (name == QLatin1String("--user")) {
            options.userCode = credential(value, UserCodeLength);
            if (!options.userCode)
                return QStringLiteral("--user: at most %1 characters").arg(UserCodeLength);
        } else if (name == QLatin1String("--password")) {
            options.password = credential(value, PasswordLength);
            if (!options.password)
                return QStringLiteral("--password: at most %1 characters").arg(PasswordLength);
        } else {
            return QStringLiteral("unknown option %1").arg(name);
        }
    }
    if (!linkGiven)
        return QStringLiteral("give --tcp HOST:PORT or --serial PORT");
    if (options.phone && options.tcp)
        return QStringLiteral("--phone dials through a modem on a serial port: give --serial PORT");
    if (!options.phone && (options.modemInit || options.dialAttempts || options.connectWaitS))
        return QStringLiteral("--modem-init, --dial-attempts and --connect-wait-s go with --phone");
    if (const std::optional<QString> error = parseCommand(arguments.mid(at), options))
        return *error;
    return options;
}
