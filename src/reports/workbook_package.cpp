#include "reports/workbook_package.h"

#include <QSet>
#include <algorithm>

namespace {

bool sameName(const std::string& stored, const QString& name)
{
    return QString::fromUtf8(stored).compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<WorkbookPackage> WorkbookPackage::unpack(const QByteArray& archive, QString& reason)
{
    std::optional<std::vector<ZipEntry>> entries = unzipEntries(archive, reason);
    if (!entries)
        return std::nullopt;
    QSet<QString> names;
    for (const ZipEntry& entry : *entries) {
        const QString name = QString::fromUtf8(entry.name).toLower();
        if (names.contains(name)) {
            reason = QStringLiteral("the part %1 is stored twice").arg(name);
            return std::nullopt;
        }
        names.insert(name);
    }
    return WorkbookPackage(std::move(*entries));
}

ZipEntry* WorkbookPackage::part(const QString& name)
{
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const ZipEntry& entry) { return sameName(entry.name, name); });
    return found == entries_.end() ? nullptr : &*found;
}

void WorkbookPackage::remove(const QString& name)
{
    std::erase_if(entries_, [&](const ZipEntry& entry) { return sameName(entry.name, name); });
}

std::optional<QByteArray> WorkbookPackage::pack(QString& reason) const
{
    return zipEntries(entries_, reason);
}
