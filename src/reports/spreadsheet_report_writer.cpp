#include "reports/spreadsheet_report_writer.h"

#include "base/safe_save.h"
#include "reports/spreadsheet_sheet.h"
#include "reports/workbook_template.h"

#include <QFile>

namespace {

// A template is a few tens of kilobytes; anything near this is no template of ours.
constexpr qint64 LargestTemplate = 64 * 1024 * 1024;

bool fitsFileName(const QString& name)
{
    if (name.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\<>:\"|?*").contains(c))
            return false;
    return true;
}

std::optional<QByteArray> readTemplate(const QString& path, QString& reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    if (file.size() > LargestTemplate) {
        reason = QStringLiteral("the template is too large");
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace

QString spreadsheetTemplateName(SpreadsheetReportKind kind)
{
    return kind == SpreadsheetReportKind::Day ? QStringLiteral("day_report_title.xlsx")
                                              : QStringLiteral("mon_report_title.xlsx");
}

std::optional<QString> spreadsheetReportFileName(SpreadsheetReportKind kind, const QString& objectName,
                                                 const DateStamp& day)
{
    if (!fitsFileName(objectName))
        return std::nullopt;
    return kind == SpreadsheetReportKind::Day
               ? objectName + QString::asprintf("_day_%02d%02d%02d.xlsx", day.year, day.month, day.day)
               : objectName + QString::asprintf("_mon_%02d%02d.xlsx", day.year, day.month);
}

WorkbookResult writeSpreadsheetReport(const QString& templatePath, const SpreadsheetReport& report,
                                      const QString& outputPath)
{
    QString reason;
    const std::optional<QByteArray> templateBytes = readTemplate(templatePath, reason);
    std::optional<WorkbookTemplate> workbook =
        templateBytes ? WorkbookTemplate::open(*templateBytes, reason) : std::nullopt;
    if (!workbook)
        return {WorkbookStatus::TemplateUnreadable, reason};

    for (const SpreadsheetCell& cell : spreadsheetSheet(report)) {
        if (const float* number = std::get_if<float>(&cell.value))
            workbook->activeSheet().setNumber(cell.row, cell.column, *number);
        else
            workbook->activeSheet().setText(cell.row, cell.column, std::get<QString>(cell.value));
    }
    const std::optional<QByteArray> filled = workbook->filled(reason);
    if (!filled)
        return {WorkbookStatus::NotSaved, reason};
    const SaveResult saved = replaceFile(outputPath, {*filled});
    if (saved.failed())
        return {WorkbookStatus::NotSaved, saved.reason};
    return {WorkbookStatus::Saved, {}};
}
