#include "logs/log_bounds.h"

#include <algorithm>

namespace {

std::uint64_t heldRecords(const LogBounds& bounds)
{
    return bounds.empty() ? 0 : std::uint64_t{bounds.newest} - bounds.oldest + 1;
}

std::optional<std::uint32_t> indexOf(const QString& text)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok);
    return ok ? std::optional<std::uint32_t>(value) : std::nullopt;
}

} // namespace

bool LogBounds::empty() const
{
    return newest < oldest || (oldest == newest && oldest != 0);
}

IndexRange lastRecords(const LogBounds& bounds, std::uint32_t count)
{
    const std::uint64_t held = heldRecords(bounds);
    if (held <= count)
        return {bounds.oldest, static_cast<std::uint32_t>(held)};
    return {bounds.newest - (count - 1), count};
}

IndexRange presetRange(IndexChoice choice, const LogBounds& bounds)
{
    switch (choice) {
    case IndexChoice::Last100:
        return lastRecords(bounds, 100);
    case IndexChoice::Last50:
        return lastRecords(bounds, 50);
    case IndexChoice::Last10:
        return lastRecords(bounds, 10);
    case IndexChoice::Whole:
    case IndexChoice::Given:
        break;
    }
    return {bounds.oldest, static_cast<std::uint32_t>(heldRecords(bounds))};
}

std::variant<IndexRange, InputProblem> checkIndexRange(const LogBounds& bounds, const QString& first,
                                                       const QString& count)
{
    const std::optional<std::uint32_t> start = indexOf(first);
    if (!start)
        return InputProblem{QStringLiteral("Не введен индекс записи начала чтения"), {}};
    if (bounds.empty() || *start < bounds.oldest || *start > bounds.newest)
        return InputProblem{QStringLiteral("Нелогичное значение индекса записи начала чтения"),
                            QStringLiteral("(см. значения индексов начала и конца архива).")};
    const std::optional<std::uint32_t> records = indexOf(count);
    if (!records)
        return InputProblem{QStringLiteral("Не введено количество записей для чтения"), {}};
    if (*records == 0)
        return InputProblem{QStringLiteral("Нелогичное значение количества записей для чтения"), {}};
    const std::uint64_t reachable = std::uint64_t{bounds.newest} - *start + 1;
    return IndexRange{*start, static_cast<std::uint32_t>(std::min<std::uint64_t>(*records, reachable))};
}
