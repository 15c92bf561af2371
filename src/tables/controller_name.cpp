#include "tables/controller_name.h"

#include "base/byte_view.h"
#include "base/controller_charset.h"
#include "base/table_numbers.h"
#include "base/windows1251.h"
#include "tables/identification.h"

#include <algorithm>

namespace {

constexpr int FieldLength = 20;

template <typename Convert> void convert(ParamImage& image, Convert conversion)
{
    if (!Identification(image.table(TableNumber::Identification)).nameInCodePage866())
        return;
    const std::span<std::uint8_t> name = image.table(TableNumber::ControllerName);
    const QByteArray converted = conversion(byteView(name));
    std::copy(converted.begin(), converted.end(), name.begin());
}

} // namespace

namespace ControllerName {

void fromController(ParamImage& image)
{
    convert(image, fromControllerCharset);
}

void toController(ParamImage& image)
{
    convert(image, toControllerCharset);
}

QString shown(const ParamImage& image)
{
    // Only blanks pad the field; other characters belong to the name.
    const QString name = fromWindows1251(byteView(image.table(TableNumber::ControllerName)));
    qsizetype begin = 0, end = name.size();
    while (begin < end && name[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && name[end - 1] == QLatin1Char(' '))
        --end;
    return name.sliced(begin, end - begin);
}

QByteArray field(const QString& name)
{
    return toWindows1251(name.left(FieldLength)).leftJustified(FieldLength, ' ', true);
}

} // namespace ControllerName
