#include "archives/archive_file_header.h"

#include "archives/stamp_bytes.h"

#include <QtEndian>
#include <algorithm>

namespace {
constexpr int SignatureOffset = 0;
constexpr int SignatureLength = 3;
constexpr int DeviceOffset = 3;
constexpr int NameOffset = 4;
constexpr int NameLength = 20;
constexpr int AddressOffset = 24;
constexpr int PcTimeOffset = 25;
// Each period end has six bytes, the stamp padded with zeros.
constexpr int PeriodStartOffset = 31;
constexpr int PeriodEndOffset = 37;
constexpr int CountOffset = 43;
constexpr int ChromatographTypeOffset = 47;
constexpr int MoistureMeterTypeOffset = 48;
} // namespace

ArchiveFileHeader ArchiveFileHeader::build(const Reading& reading)
{
    const ArchiveKindInfo& info = archiveKindInfo(reading.kind);
    return compose({
        .signature = info.signature,
        .device = static_cast<std::uint8_t>(info.device),
        .controllerName = reading.controllerName,
        .address = reading.address,
        .pcTime = reading.pcTime,
        .periodStart = reading.periodStart,
        .periodEnd = reading.periodEnd,
        .periodStampLength = info.stampLength,
        .count = reading.count,
        .chromatographType = reading.chromatographType,
    });
}

ArchiveFileHeader ArchiveFileHeader::compose(const Fields& fields)
{
    ArchiveFileHeader header;
    header.bytes_.replace(SignatureOffset, SignatureLength, fields.signature.first(SignatureLength));
    header.bytes_[DeviceOffset] = static_cast<char>(fields.device);
    const QByteArrayView name =
        fields.controllerName.first(std::min<qsizetype>(fields.controllerName.size(), NameLength));
    header.bytes_.replace(NameOffset, name.size(), name);
    header.bytes_[AddressOffset] = static_cast<char>(fields.address);
    header.bytes_.replace(PcTimeOffset, FullStampLength, stampBytes(fields.pcTime, FullStampLength));
    const int length = fields.periodStampLength;
    header.bytes_.replace(PeriodStartOffset, length, stampBytes(fields.periodStart, length));
    header.bytes_.replace(PeriodEndOffset, length, stampBytes(fields.periodEnd, length));
    header.setCount(fields.count);
    header.bytes_[ChromatographTypeOffset] = static_cast<char>(fields.chromatographType);
    header.bytes_[MoistureMeterTypeOffset] = static_cast<char>(fields.moistureMeterType);
    return header;
}

ArchiveFileHeader ArchiveFileHeader::fromBytes(QByteArrayView bytes)
{
    ArchiveFileHeader header;
    const QByteArrayView present = bytes.first(std::min<qsizetype>(bytes.size(), Size));
    header.bytes_.replace(0, present.size(), present);
    return header;
}

bool ArchiveFileHeader::belongsTo(ArchiveKind kind) const
{
    const ArchiveKindInfo& info = archiveKindInfo(kind);
    return signature() == info.signature && device() == static_cast<std::uint8_t>(info.device) &&
           chromatographType() == ServedChromatographType;
}

std::optional<ArchiveKind> ArchiveFileHeader::archiveKind() const
{
    for (const ArchiveKind kind : archiveKinds()) {
        const ArchiveKindInfo& info = archiveKindInfo(kind);
        if (signature() == info.signature && device() == static_cast<std::uint8_t>(info.device))
            return kind;
    }
    return std::nullopt;
}

QByteArray ArchiveFileHeader::signature() const
{
    return bytes_.sliced(SignatureOffset, SignatureLength);
}

std::uint8_t ArchiveFileHeader::device() const
{
    return static_cast<std::uint8_t>(bytes_[DeviceOffset]);
}

QByteArray ArchiveFileHeader::controllerName() const
{
    return bytes_.sliced(NameOffset, NameLength);
}

std::uint8_t ArchiveFileHeader::address() const
{
    return static_cast<std::uint8_t>(bytes_[AddressOffset]);
}

DateStamp ArchiveFileHeader::pcTime() const
{
    return stampAt(bytes_, PcTimeOffset, FullStampLength);
}

DateStamp ArchiveFileHeader::periodStart(int stampLength) const
{
    return stampAt(bytes_, PeriodStartOffset, stampLength);
}

DateStamp ArchiveFileHeader::periodEnd(int stampLength) const
{
    return stampAt(bytes_, PeriodEndOffset, stampLength);
}

std::uint32_t ArchiveFileHeader::count() const
{
    return qFromLittleEndian<std::uint32_t>(bytes_.constData() + CountOffset);
}

void ArchiveFileHeader::setCount(std::uint32_t count)
{
    qToLittleEndian(count, bytes_.data() + CountOffset);
}

std::uint8_t ArchiveFileHeader::chromatographType() const
{
    return static_cast<std::uint8_t>(bytes_[ChromatographTypeOffset]);
}

std::uint8_t ArchiveFileHeader::moistureMeterType() const
{
    return static_cast<std::uint8_t>(bytes_[MoistureMeterTypeOffset]);
}
