#include "cli/cli_commands.h"

#include "exchange/clock_commands.h"
#include "exchange/configuration_transfer.h"
#include "exchange/controller_reset.h"
#include "tables/clock_comparison.h"
#include "tables/identification.h"
#include "tables/identification_items.h"
#include "tables/table_catalogue.h"
#include "tables/table_transfer.h"

namespace {

constexpr FieldRange IdentificationFields{0, 0, Identification::Size};

FieldRange rangeOf(int table, int first, int count)
{
    return {static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(count)};
}

int failed(const RequestLayer& layer, QTextStream& errors)
{
    errors << layer.failure() << '\n';
    return 1;
}

// One field a line in hex digits, after `indent`.
void printFields(const ParamImage& image, const FieldRange& range, QTextStream& out, const char* indent = "")
{
    for (int field = range.first; field < range.first + range.count; ++field)
        out << indent << image.copyOf(rangeOf(range.table, field, 1)).toHex() << '\n';
}

int identify(RequestLayer& layer, QTextStream& out, QTextStream& errors)
{
    if (!layer.readFields(IdentificationFields, false))
        return failed(layer, errors);
    for (const IdentificationItem& item : identificationItems(layer.context().image.copyOf(IdentificationFields)))
        out << item.label << ": " << item.value << '\n';
    return 0;
}

// In requests as large as an answer allows.
int read(const CliOptions& options, RequestLayer& layer, QTextStream& out, QTextStream& errors)
{
    const int perRead = TableTransfer::fieldsPerRead(options.table);
    for (int first = options.first; first < options.first + options.count; first += perRead) {
        const int count = std::min(perRead, options.first + options.count - first);
        if (!layer.readFields(rangeOf(options.table, first, count), false))
            return failed(layer, errors);
    }
    printFields(layer.context().image, rangeOf(options.table, options.first, options.count), out);
    return 0;
}

int write(const CliOptions& options, RequestLayer& layer, QTextStream& errors)
{
    // The options checked that the values are whole fields of the table.
    const int fieldLength = TableCatalogue::descriptor(options.table).fieldLength;
    const FieldRange range =
        rangeOf(options.table, options.first, static_cast<int>(options.values.size() / fieldLength));
    layer.context().image.assign(range, options.values);
    if (!layer.writeFields(range, false))
        return failed(layer, errors);
    return 0;
}

// The name in table 5 needs the identification's word on its character set.
int readConfiguration(RequestLayer& layer, QTextStream& out, QTextStream& errors)
{
    if (!layer.readFields(IdentificationFields, false) || !readConfigurationTables(layer))
        return failed(layer, errors);
    const ParamImage& image = layer.context().image;
    for (int table : TableTransfer::configurationReadOrder()) {
        out << QStringLiteral("Табл. %1. %2").arg(table).arg(TableCatalogue::name(table).trimmed()) << '\n';
        printFields(image, rangeOf(table, 0, TableTransfer::transferredFieldCount(table, image)), out, "  ");
    }
    return 0;
}

// The controller's clock beside the PC's, as the date-and-time window shows them;
// with `synchronise` the correction is sent as well.
int clock(RequestLayer& layer, bool synchronise, QTextStream& out, QTextStream& errors)
{
    constexpr FieldRange clockTable{2, 0, 8};
    constexpr FieldRange systemTable{6, 0, 10};
    if (!layer.readFields(systemTable, false) || !layer.readFields(clockTable, false))
        return failed(layer, errors);
    const ParamImage& image = layer.context().image;
    const ClockComparison clocks =
        compareClocks(image.copyOf(clockTable), image.copyOf(systemTable), QDateTime::currentDateTime());
    const auto print = [&out](const char* label, const ClockColumn& column) {
        out << label << column.date << ' ' << column.time << ' ' << column.dayName << ' ' << column.timeType << '\n';
    };
    print("В контроллере: ", clocks.controller);
    print("В ЭВМ:         ", clocks.pc);
    out << "Коррекция, с:  " << clocks.correction << '\n';
    if (!synchronise || clocks.sameSecond)
        return 0;
    hgcbox& engine = layer.context().engine;
    if (!correctClock(engine, clocks.correction)) {
        errors << engine.errorMessage() << '\n';
        return 1;
    }
    out << "Корректировка времени выполнена\n";
    return 0;
}

} // namespace

int runCommand(const CliOptions& options, RequestLayer& layer, QTextStream& out, QTextStream& errors)
{
    switch (options.command) {
    case CliOptions::Command::Identify:
        return identify(layer, out, errors);
    case CliOptions::Command::Read:
        return read(options, layer, out, errors);
    case CliOptions::Command::Write:
        return write(options, layer, errors);
    case CliOptions::Command::ReadConfig:
        return readConfiguration(layer, out, errors);
    case CliOptions::Command::Clock:
        return clock(layer, false, out, errors);
    case CliOptions::Command::SyncClock:
        return clock(layer, true, out, errors);
    case CliOptions::Command::Reset:
        // The operator was told why it failed.
        return resetNonVolatileData(layer.context()) ? 0 : 1;
    default:
        // The configuration commands have a runner of their own.
        return 2;
    }
}
