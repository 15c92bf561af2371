#include "tables/param_image.h"

#include <algorithm>

namespace {

// Where a range's bytes lie in the image.
struct Place {
    std::size_t offset = 0;
    std::size_t length = 0;
};

// Nothing when the range is not inside its table.
std::optional<Place> placeOf(const FieldRange& range)
{
    if (!TableCatalogue::contains(range))
        return std::nullopt;
    const TableDescriptor& table = TableCatalogue::descriptor(range.table);
    if (!table.offset)
        return Place{};
    return Place{static_cast<std::size_t>(*table.offset + range.first * table.fieldLength),
                 static_cast<std::size_t>(range.count * table.fieldLength)};
}

// Table numbers outside 0..255 must not wrap onto a real table when narrowed.
std::optional<FieldRange> rangeOf(int table, int first, int count)
{
    if (!TableCatalogue::isTable(table) || first < 0 || count < 0 || first + count > 255)
        return std::nullopt;
    return FieldRange{static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
                      static_cast<std::uint8_t>(count)};
}

template <typename Bytes> auto spanOf(Bytes& bytes, const std::optional<FieldRange>& range)
{
    const std::optional<Place> place = range ? placeOf(*range) : std::nullopt;
    using Span = decltype(std::span(bytes).subspan(0, 0));
    return place ? std::span(bytes).subspan(place->offset, place->length) : Span();
}

} // namespace

std::span<std::uint8_t> ParamImage::table(int n)
{
    return spanOf(bytes_, rangeOf(n, 0, TableCatalogue::descriptor(n).fieldCount));
}

std::span<const std::uint8_t> ParamImage::table(int n) const
{
    return spanOf(bytes_, rangeOf(n, 0, TableCatalogue::descriptor(n).fieldCount));
}

std::span<std::uint8_t> ParamImage::field(int n, int i)
{
    return spanOf(bytes_, rangeOf(n, i, 1));
}

std::span<const std::uint8_t> ParamImage::field(int n, int i) const
{
    return spanOf(bytes_, rangeOf(n, i, 1));
}

std::span<std::uint8_t> ParamImage::fields(const FieldRange& range)
{
    return spanOf(bytes_, range);
}

std::span<const std::uint8_t> ParamImage::fields(const FieldRange& range) const
{
    return spanOf(bytes_, range);
}

QByteArray ParamImage::copyOf(const FieldRange& range) const
{
    const std::span<const std::uint8_t> bytes = fields(range);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

bool ParamImage::assign(const FieldRange& range, QByteArrayView bytes)
{
    if (!TableCatalogue::contains(range))
        return false;
    const std::span<std::uint8_t> target = fields(range);
    if (static_cast<std::size_t>(bytes.size()) != target.size())
        return false;
    std::copy(bytes.begin(), bytes.end(), target.begin());
    return true;
}
