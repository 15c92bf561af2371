#pragma once

#include "archives/archive_kind.h"
#include "tables/date_stamp.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

// The 58 bytes at the start of every archive data file: which archive, whose
// controller, when it was read and for which period, and how many records follow.
class ArchiveFileHeader {
public:
    static constexpr int Size = 58;
    // Files of other chromatographs are not this program's to show.
    static constexpr std::uint8_t ServedChromatographType = 2;

    // What a reading knows when it ends.
    struct Reading {
        ArchiveKind kind;
        QByteArrayView controllerName; // the 20 bytes of table 5 as the image holds them
        std::uint8_t address;          // the engine's controller address
        DateStamp pcTime;              // of the reading
        DateStamp periodStart;         // as requested, cut to the archive's unit
        DateStamp periodEnd;
        std::uint32_t count;
        std::uint8_t chromatographType; // byte 6 of table 14
    };

    // What every data file's header carries; archive and log files fill it their own way.
    struct Fields {
        QByteArrayView signature; // 3 ASCII bytes
        std::uint8_t device;
        QByteArrayView controllerName; // the 20 bytes of table 5 as the image holds them
        std::uint8_t address;
        DateStamp pcTime;
        DateStamp periodStart;
        DateStamp periodEnd;
        int periodStampLength; // bytes of each period stamp kept, the rest of its six 0
        std::uint32_t count;
        std::uint8_t chromatographType;     // byte 6 of table 14
        std::uint8_t moistureMeterType = 0; // byte 6 of table 15, kept by diagnostic log files only
    };

    static ArchiveFileHeader build(const Reading& reading);
    static ArchiveFileHeader compose(const Fields& fields);
    // The first Size bytes of a file; a shorter file reads as zeros beyond its end.
    static ArchiveFileHeader fromBytes(QByteArrayView bytes);

    // Signature, device and chromatograph type are those of `kind`'s files.
    bool belongsTo(ArchiveKind kind) const;
    // The archive whose signature and device the header carries, whatever its chromatograph type.
    std::optional<ArchiveKind> archiveKind() const;

    QByteArray signature() const;
    std::uint8_t device() const;
    QByteArray controllerName() const;
    std::uint8_t address() const;
    DateStamp pcTime() const;
    // Cut to the minute by default; an hourly period has minute 0, a daily one
    // hour 0 too. Log files keep their period to the second.
    DateStamp periodStart(int stampLength = 5) const;
    DateStamp periodEnd(int stampLength = 5) const;
    std::uint32_t count() const;
    void setCount(std::uint32_t count);
    std::uint8_t chromatographType() const;
    std::uint8_t moistureMeterType() const;

    const QByteArray& bytes() const { return bytes_; }

private:
    ArchiveFileHeader() : bytes_(Size, '\0') {}

    QByteArray bytes_;
};
