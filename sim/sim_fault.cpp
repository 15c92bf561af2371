#include "sim/sim_fault.h"

#include <QStringList>

namespace {

bool number(const QString& text, int lowest, int highest, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok, 10);
    return ok && *value >= lowest && *value <= highest;
}

bool hexBytes(const QStringList& words, QByteArray* bytes)
{
    for (const QString& word : words) {
        bool ok = false;
        const int value = word.toInt(&ok, 16);
        if (!ok || value < 0 || value > 0xFF)
            return false;
        bytes->append(static_cast<char>(value));
    }
    return !bytes->isEmpty();
}

} // namespace

std::optional<SimFault> SimFault::parseLine(const QString& line, QString* error)
{
    error->clear();
    const QString text = line.section(QLatin1Char('#'), 0, 0).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto fail = [&](const QString& why) {
        *error = why;
        return std::nullopt;
    };
    if (words.size() < 3)
        return fail(QStringLiteral("expected: request N|code C KIND [ARGS]"));

    SimFault fault;
    if (words[0] == QLatin1String("request"))
        fault.match = Match::RequestNumber;
    else if (words[0] == QLatin1String("code"))
        fault.match = Match::FunctionCode;
    else
        return fail(QStringLiteral("a line starts with \"request\" or \"code\""));
    if (!number(words[1], 0, 0xFFFFFF, &fault.key))
        return fail(QStringLiteral("bad request number or function code"));

    const QString kind = words[2];
    const QStringList args = words.mid(3);
    const auto argCount = [&](qsizetype low, qsizetype high) { return args.size() >= low && args.size() <= high; };
    if (kind == QLatin1String("garbage")) {
        fault.kind = Kind::BytesBefore;
        if (!hexBytes(args, &fault.bytes))
            return fail(QStringLiteral("garbage takes hexadecimal bytes"));
    } else if (kind == QLatin1String("crc") && argCount(0, 0)) {
        fault.kind = Kind::WrongChecksum;
    } else if (kind == QLatin1String("silence") && argCount(0, 0)) {
        fault.kind = Kind::Silence;
    } else if (kind == QLatin1String("cut") && argCount(1, 1)) {
        fault.kind = Kind::CutAfter;
        if (!number(args[0], 0, 1000, &fault.count))
            return fail(QStringLiteral("cut takes a byte count"));
    } else if (kind == QLatin1String("pause") && argCount(2, 2)) {
        fault.kind = Kind::Pause;
        if (!number(args[0], 0, 1000, &fault.count) || !number(args[1], 0, 600000, &fault.milliseconds))
            return fail(QStringLiteral("pause takes a byte count and milliseconds"));
    } else if (kind == QLatin1String("error") && argCount(1, 2)) {
        fault.kind = Kind::ErrorReply;
        if (!number(args[0], 0, 255, &fault.code) || (args.size() == 2 && !number(args[1], 0, 255, &fault.table)))
            return fail(QStringLiteral("error takes a code and optionally a table number"));
    } else if (kind == QLatin1String("address") && argCount(1, 1)) {
        fault.kind = Kind::OtherAddress;
        if (!number(args[0], 0, 255, &fault.address))
            return fail(QStringLiteral("address takes an address 0 to 255"));
    } else {
        return fail(QStringLiteral("unknown fault or wrong argument count: ") + kind);
    }
    return fault;
}

bool SimFault::parseText(const QString& text, QList<SimFault>* faults, QString* error)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index) {
        QString why;
        const std::optional<SimFault> fault = parseLine(lines[index], &why);
        if (fault)
            faults->append(*fault);
        else if (!why.isEmpty()) {
            *error = QStringLiteral("line %1: %2").arg(index + 1).arg(why);
            return false;
        }
    }
    return true;
}
