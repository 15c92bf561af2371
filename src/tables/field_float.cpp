#include "tables/field_float.h"

#include <QtEndian>
#include <bit>
#include <cstdint>

namespace {

bool holds(qsizetype size, int index)
{
    return index >= 0 && (index + 1) * qsizetype{FloatFieldLength} <= size;
}

} // namespace

float fieldFloat(QByteArrayView fields, int index)
{
    if (!holds(fields.size(), index))
        return 0.0f;
    return std::bit_cast<float>(qFromLittleEndian<std::uint32_t>(fields.constData() + index * FloatFieldLength));
}

void storeFieldFloat(QByteArray& fields, int index, float value)
{
    if (holds(fields.size(), index))
        qToLittleEndian(std::bit_cast<std::uint32_t>(value), fields.data() + index * FloatFieldLength);
}
