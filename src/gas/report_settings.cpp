#include "gas/report_settings.h"

#include <QFile>

ReportSettings ReportSettings::load(const QString& path)
{
    QFile file(path);
    return fromBytes(file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray());
}

ReportSettings ReportSettings::fromBytes(const QByteArray& bytes)
{
    ReportSettings settings;
    const QByteArray known = bytes.left(size);
    settings.bytes_.replace(0, known.size(), known);
    for (int choice = 0; choice < choiceCount; ++choice)
        if (settings.byte(choice) > 1)
            settings.bytes_[choice] = 0;
    for (int slot = 0; slot < gasParameterCount; ++slot) {
        const std::uint8_t count = settings.decimals(slot);
        if (count < fewestDecimals || count > mostDecimals)
            settings.bytes_[firstDecimals + slot] = static_cast<char>(defaultDecimals);
    }
    return settings;
}

SaveResult ReportSettings::save(const QString& path) const
{
    return replaceFile(path, {bytes_});
}
