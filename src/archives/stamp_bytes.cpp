#include "archives/stamp_bytes.h"

#include <array>

namespace {

std::array<int DateStamp::*, FullStampLength> fields()
{
    return {&DateStamp::year, &DateStamp::month,  &DateStamp::day,
            &DateStamp::hour, &DateStamp::minute, &DateStamp::second};
}

} // namespace

QByteArray stampBytes(const DateStamp& stamp, int length)
{
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes.append(static_cast<char>(stamp.*fields()[static_cast<std::size_t>(i)]));
    return bytes;
}

DateStamp stampAt(QByteArrayView bytes, int offset, int length)
{
    DateStamp stamp{0, 0, 0, 0, 0, 0};
    for (int i = 0; i < length; ++i)
        stamp.*fields()[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[offset + i]);
    return stamp;
}
