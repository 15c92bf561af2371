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

IndexRange presetRange(IndexChoice choice, const LogBounds& bounds)
{
    const std::uint64_t held = heldRecords(bounds);
    const IndexRange whole{bounds.oldest, static_cast<std::uint32_t>(held)};
    std::uint32_t last = 0;
    switch (choice) {
    case IndexChoice::Last100:
        last = 100;
        break;
    case IndexChoice::Last50:
        last = 50;
        break;
    case IndexChoice::Last10:
        last = 10;
        break;
    case IndexChoice::Whole:
    case IndexChoice::Given:
        return whole;
    }
    if (held < last)
        return whole;
    return {bounds.newest - (last - 1), last};
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
