#include "cli/cli_commands.h"

#include "cli/identification_lines.h"
#include "link/request_frame.h"
#include "tables/identification.h"
#include "tables/table_catalogue.h"

namespace {

constexpr std::uint8_t ReadFields = 1;
constexpr std::uint8_t WriteFields = 2;
constexpr int IdentificationTable = 0;
constexpr int IdentificationFields = Identification::Size;
constexpr int AnswerOverhead = FrameOffset::FieldValues + 2; // header, echoed range, checksum

QByteArray fieldRange(int table, int first, int count)
{
    QByteArray range;
    range.append(static_cast<char>(table));
    range.append(static_cast<char>(first));
    range.append(static_cast<char>(count));
    return range;
}

// The field values of a successful read.
QByteArray readValues(const hgcbox& engine)
{
    const int length = engine.answer_frame[FrameOffset::Length];
    if (length <= AnswerOverhead)
        return {};
    return QByteArray(reinterpret_cast<const char*>(engine.answer_frame.data()) + FrameOffset::FieldValues,
                      length - AnswerOverhead);
}

int failed(const hgcbox& engine, QTextStream& errors)
{
    errors << engine.error_message() << '\n';
    return 1;
}

int identify(hgcbox& engine, QTextStream& out, QTextStream& errors)
{
    if (!engine.request(ReadFields, fieldRange(IdentificationTable, 0, IdentificationFields)))
        return failed(engine, errors);
    const QStringList lines = identificationLines(readValues(engine));
    if (lines.isEmpty()) {
        errors << "the controller sent fewer than " << IdentificationFields << " identification fields\n";
        return 1;
    }
    for (const QString& line : lines)
        out << line << '\n';
    return 0;
}

// The catalogue's field length, or the whole answer as one field for a table it does not know.
qsizetype fieldLengthOf(int table, qsizetype answered)
{
    const int length = TableCatalogue::descriptor(table).fieldLength;
    return length > 0 ? length : answered;
}

int read(const CliOptions& options, hgcbox& engine, QTextStream& out, QTextStream& errors)
{
    if (!engine.request(ReadFields, fieldRange(options.table, options.first, options.count)))
        return failed(engine, errors);
    const QByteArray values = readValues(engine);
    const qsizetype fieldLength = fieldLengthOf(options.table, values.size());
    for (qsizetype at = 0; at < values.size(); at += fieldLength)
        out << values.mid(at, fieldLength).toHex() << '\n';
    return 0;
}

int write(const CliOptions& options, hgcbox& engine, QTextStream& errors)
{
    // The options checked that the values are whole fields.
    const int fieldLength = TableCatalogue::descriptor(options.table).fieldLength;
    const auto count = static_cast<int>(options.values.size() / fieldLength);
    if (!engine.request(WriteFields, fieldRange(options.table, options.first, count) + options.values))
        return failed(engine, errors);
    return 0;
}

} // namespace

int runCommand(const CliOptions& options, hgcbox& engine, QTextStream& out, QTextStream& errors)
{
    switch (options.command) {
    case CliOptions::Command::Identify:
        return identify(engine, out, errors);
    case CliOptions::Command::Read:
        return read(options, engine, out, errors);
    case CliOptions::Command::Write:
        return write(options, engine, errors);
    }
    return 2;
}
