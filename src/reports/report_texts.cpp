#include "reports/report_texts.h"

#include "base/windows1251.h"
#include "settings/work_directory.h"

#include <QFile>

QString ReportTexts::filePath(const WorkDirectory& directory)
{
    return directory.reports() + QStringLiteral("/report.ini");
}

ReportTexts ReportTexts::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fromBytes({});
    return fromBytes(file.read(Size));
}

ReportTexts ReportTexts::fromBytes(const QByteArray& bytes)
{
    if (bytes.size() >= Size)
        return ReportTexts(bytes.left(Size));
    QByteArray empty(Size, '\0');
    empty[DayStartHour] = static_cast<char>(DefaultDayStartHour);
    return ReportTexts(empty);
}

QString ReportTexts::signatureLine(int line) const
{
    return text(FirstSignatureLine + line * SignatureLineSize, SignatureLineSize);
}

QString ReportTexts::text(int offset, int size) const
{
    QByteArray field = bytes_.mid(offset, size);
    const qsizetype end = field.indexOf('\0');
    if (end >= 0)
        field.truncate(end);
    return fromWindows1251(field);
}
