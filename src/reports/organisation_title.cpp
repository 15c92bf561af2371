#include "reports/organisation_title.h"

#include "base/windows1251.h"
#include "settings/work_directory.h"

#include <QFile>

namespace OrganisationTitle {

QString filePath(const WorkDirectory& directory)
{
    return directory.ini() + QStringLiteral("/title.ini");
}

QString read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(Size);
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    return fromWindows1251(bytes);
}

QString bounded(const QString& entered)
{
    return entered.left(Size);
}

SaveResult store(const QString& path, const QString& entered, const QString& previous)
{
    const QString name = bounded(entered);
    if (name == previous)
        return {SaveStatus::Unchanged, path, {}};
    QByteArray bytes = toWindows1251(name);
    bytes.append(Size - bytes.size(), '\0');
    return replaceFile(path, {bytes});
}

} // namespace OrganisationTitle
