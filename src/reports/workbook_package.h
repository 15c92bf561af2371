#pragma once

#include "reports/zip_entries.h"

#include <QString>
#include <optional>
#include <vector>

// The parts of an OOXML package (a workbook's zip archive) by their names. Part
// names are compared without regard to case, as the format wants.
class WorkbookPackage {
public:
    // None when the archive is unreadable or holds two parts of one name.
    static std::optional<WorkbookPackage> unpack(const QByteArray& archive, QString& reason);

    // The part named `name` ("xl/workbook.xml", no leading "/"); null when there is none.
    ZipEntry* part(const QString& name);
    void remove(const QString& name);
    // Every part in its original order, changed ones with their new bytes.
    std::optional<QByteArray> pack(QString& reason) const;

private:
    explicit WorkbookPackage(std::vector<ZipEntry> entries) : entries_(std::move(entries)) {}

    std::vector<ZipEntry> entries_;
};
