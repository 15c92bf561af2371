#include "gas/report_settings.h"

#include <QFile>

ReportSettings ReportSettings::load(const QString& path)
{
    ReportSettings settings;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray read = file.read(size);
        settings.bytes_.replace(0, read.size(), read);
    }
    if (settings.decimals(0) == 0)
        for (int slot = 0; slot < gasParameterCount; ++slot)
            settings.bytes_[firstDecimals + slot] = static_cast<char>(defaultDecimals);
    return settings;
}

SaveResult ReportSettings::save(const QString& path) const
{
    return replaceFile(path, {bytes_});
}
