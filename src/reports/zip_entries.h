#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// One file of a zip archive, unpacked.
struct ZipEntry {
    std::string name; // as stored, UTF-8
    QByteArray data;
};

// Every entry of the archive in `archive`, in the archive's order; none when the
// bytes are no sound zip archive (a bad checksum, a truncated entry) or when an
// entry would unpack to more than a workbook can sensibly hold, so that a
// crafted archive never fills the memory. `reason` then says why.
std::optional<std::vector<ZipEntry>> unzipEntries(const QByteArray& archive, QString& reason);

// The entries packed as a new zip archive, compressed, in the given order; none
// when the library refuses (`reason` says why).
std::optional<QByteArray> zipEntries(const std::vector<ZipEntry>& entries, QString& reason);
