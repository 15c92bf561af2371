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

SaveResult ReportTexts::save(const QString& path) const
{
    return replaceFile(path, {bytes_});
}

QString ReportTexts::headingLine(int line) const
{
    return text(line * HeadingLineSize, HeadingLineSize);
}

QString ReportTexts::representative(int side) const
{
    return text(FirstRepresentative + side * RepresentativeSize, RepresentativeSize);
}

QString ReportTexts::signatureLine(int line) const
{
    return text(FirstSignatureLine + line * SignatureLineSize, SignatureLineSize);
}

QList<ReportTextField> ReportTexts::panelFields(ReportTextsPanel panel)
{
    QList<ReportTextField> fields;
    if (panel == ReportTextsPanel::Certificate) {
        for (int line = 0; line < HeadingLines; ++line)
            fields.append({line * HeadingLineSize, HeadingLineSize});
        for (int side = 0; side < Representatives; ++side)
            fields.append({FirstRepresentative + side * RepresentativeSize, RepresentativeSize});
    } else {
        for (int line = 0; line < SignatureLines; ++line)
            fields.append({FirstSignatureLine + line * SignatureLineSize, SignatureLineSize});
    }
    return fields;
}

QString ReportTexts::fieldText(const ReportTextField& field) const
{
    return text(field.offset, field.size);
}

void ReportTexts::storePanel(ReportTextsPanel panel, const QStringList& texts)
{
    const QList<ReportTextField> fields = panelFields(panel);
    for (qsizetype index = 0; index < fields.size(); ++index) {
        const ReportTextField& field = fields[index];
        QByteArray stored = toWindows1251(texts.value(index)).left(field.maxLength());
        stored.append(QByteArray(field.size - stored.size(), '\0'));
        bytes_.replace(field.offset, field.size, stored);
    }
}

void ReportTexts::correctDayStartHour()
{
    if (dayStartHour() > LastHour)
        bytes_[DayStartHour] = static_cast<char>(DefaultDayStartHour);
}

QString ReportTexts::text(int offset, int size) const
{
    QByteArray field = bytes_.mid(offset, size);
    const qsizetype end = field.indexOf('\0');
    if (end >= 0)
        field.truncate(end);
    return fromWindows1251(field);
}
