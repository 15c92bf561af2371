#include "app/spreadsheet_report_commands.h"

#include "archives/archive_bounds_query.h"
#include "archives/archive_stamps.h"
#include "archives/day_record_reading.h"
#include "archives/interval_lines_reading.h"
#include "reports/spreadsheet_report_writer.h"
#include "reports/spreadsheet_template_location.h"
#include "settings/work_directory.h"
#include "tables/calendar.h"

#include <QFileInfo>

namespace {

constexpr int HoursOfDay = 24;

} // namespace

SpreadsheetReportCommands::SpreadsheetReportCommands(RequestContext context, SpreadsheetReportWindows& windows,
                                                     const WorkDirectory& directory, QString programDirectory)
    : context_(context), windows_(windows), directory_(directory), programDirectory_(std::move(programDirectory))
{
}

bool SpreadsheetReportCommands::make(SpreadsheetReportKind kind)
{
    Operator& person = context_.person;
    const std::optional<QString> templatePath = findSpreadsheetTemplate(kind, directory_.root(), programDirectory_);
    if (!templatePath) {
        person.message(MessageKind::Information,
                       QStringLiteral("В рабочем каталоге отсутствует файл %1").arg(spreadsheetTemplateName(kind)),
                       QStringLiteral("Обратитесь к разработчику программного обеспечения"));
        return false;
    }
    std::optional<ArchiveBoundsQuery> query;
    {
        BusyCursor busy(person);
        RequestLayer layer(context_);
        query = queryArchiveBounds(layer, PeriodMode::Daily);
    }
    if (!query)
        return false;
    const std::optional<SpreadsheetReportChoice> choice = windows_.chooseSpreadsheetReport(kind, query->bounds);
    if (!choice)
        return false;
    // An object's name that cannot be part of a file name is refused before anything is read for it.
    const std::optional<QString> fileName = spreadsheetReportFileName(kind, choice->objectName, choice->day);
    if (!fileName) {
        person.message(MessageKind::Information, QStringLiteral("Ошибка работы с файлом!"));
        return false;
    }
    const std::optional<SpreadsheetReport> report =
        kind == SpreadsheetReportKind::Day ? readDay(*query, choice->day) : readMonth(*query, choice->day);
    windows_.startMessageTimer();
    return report && write(*report, *fileName, *templatePath);
}

std::optional<SpreadsheetReport> SpreadsheetReportCommands::readDay(const ArchiveBoundsQuery& query,
                                                                    const DateStamp& day)
{
    BusyCursor busy(context_.person);
    SpreadsheetReport report;
    report.kind = SpreadsheetReportKind::Day;
    const std::optional<QByteArray> chromDay = readDayRecord(ArchiveKind::ChromDaily, day);
    if (!chromDay)
        return std::nullopt;
    const std::optional<QByteArray> wmtDay = readDayRecord(ArchiveKind::WmtDaily, day);
    if (!wmtDay)
        return std::nullopt;
    report.chromDay.emplace_back(*chromDay);
    report.wmtDay.emplace_back(*wmtDay);

    // The gas day's hours from the contract hour on, not before the archive's first.
    Period hours;
    hours.start = truncatedTo(PeriodMode::Daily, day);
    hours.start.hour = query.extent.contractHour;
    hours.end = steppedBy(PeriodMode::Hourly, hours.start, HoursOfDay - 1);
    hours.start = std::max(hours.start, truncatedTo(PeriodMode::Hourly, query.bounds.oldest));
    if (!readLines(ArchiveKind::ChromHourly, ArchiveKind::WmtHourly, hours, HoursOfDay, report))
        return std::nullopt;
    return report;
}

std::optional<SpreadsheetReport> SpreadsheetReportCommands::readMonth(const ArchiveBoundsQuery& query,
                                                                      const DateStamp& month)
{
    BusyCursor busy(context_.person);
    SpreadsheetReport report;
    report.kind = SpreadsheetReportKind::Month;
    const int days = daysInMonth(2000 + month.year, month.month);
    Period period;
    period.start = {month.year, month.month, 1};
    period.end = {month.year, month.month, days};
    period.start = std::max(period.start, truncatedTo(PeriodMode::Daily, query.bounds.oldest));
    period.end = std::min(period.end, truncatedTo(PeriodMode::Daily, query.bounds.newest));
    if (!readLines(ArchiveKind::ChromDaily, ArchiveKind::WmtDaily, period, days, report))
        return std::nullopt;
    return report;
}

std::optional<QByteArray> SpreadsheetReportCommands::readDayRecord(ArchiveKind dailyKind, const DateStamp& day)
{
    const bool chromatograph = archiveKindInfo(dailyKind).device == ArchiveDevice::Chromatograph;
    const auto read = ::readDayRecord(context_, dailyKind, QDate(2000 + day.year, day.month, day.day));
    const auto* fault = std::get_if<DayRecordFault>(&read);
    if (!fault)
        return std::get<QByteArray>(read);
    switch (*fault) {
    case DayRecordFault::Damaged:
        context_.person.message(MessageKind::Information,
                                chromatograph ? QStringLiteral("Суточные данные хроматографа недостоверны")
                                              : QStringLiteral("Суточные данные влагомера недостоверны"),
                                QStringLiteral("(не совпадает КС записи"));
        break;
    case DayRecordFault::OtherDay:
        context_.person.message(MessageKind::Information,
                                QStringLiteral("Передаваемые контроллером данные не соответствуют"),
                                QStringLiteral("запрошенному периоду"));
        break;
    default:
        context_.person.message(MessageKind::Information, QStringLiteral("Суточные данные из архива"),
                                chromatograph ? QStringLiteral(" хроматографа не прочитаны")
                                              : QStringLiteral("влагомера не прочитаны"));
    }
    return std::nullopt;
}

bool SpreadsheetReportCommands::readLines(ArchiveKind chromKind, ArchiveKind wmtKind, const Period& period,
                                          int mostLines, SpreadsheetReport& report)
{
    Operator& person = context_.person;
    person.setEscapeAllowed(true);
    person.takeEscape(); // an Escape from before the reading does not stop it
    person.beginProgress(WaitMode::ReadingData, 2 * mostLines);
    const std::optional<ArchiveRecords> chrom = readIntervalLines(context_, {chromKind, period, mostLines});
    std::optional<ArchiveRecords> wmt;
    if (chrom)
        wmt = readIntervalLines(context_, {wmtKind, period, mostLines, &*chrom, chrom->count()});
    person.endProgress();
    person.setEscapeAllowed(false);
    if (!wmt)
        return false;
    if (wmt->count() != chrom->count()) {
        person.message(MessageKind::Information, QStringLiteral("Несоответствие количества прочитанных данных"),
                       QStringLiteral("хроматографа (%1) и влагомера (%2)").arg(chrom->count()).arg(wmt->count()));
        return false;
    }
    for (int line = 0; line < chrom->count(); ++line) {
        report.chromLines.push_back(chrom->at<ChromIntervalRecord>(line));
        report.wmtLines.push_back(wmt->at<WmtIntervalRecord>(line));
    }
    return true;
}

bool SpreadsheetReportCommands::write(const SpreadsheetReport& report, const QString& fileName,
                                      const QString& templatePath)
{
    Operator& person = context_.person;
    const QString path = directory_.reports() + '/' + fileName;
    if (QFileInfo::exists(path) &&
        !person.message(MessageKind::Question, QStringLiteral("Файл отчета %1 уже есть.").arg(fileName),
                        QStringLiteral("Вы хотите заменить существующий отчет?")))
        return false;
    WorkbookResult result;
    {
        BusyCursor busy(person);
        result = writeSpreadsheetReport(templatePath, report, path);
    }
    switch (result.status) {
    case WorkbookStatus::Saved:
        person.message(MessageKind::Information, QStringLiteral("Данные сохранены в файле %1").arg(fileName));
        return true;
    case WorkbookStatus::TemplateUnreadable:
        person.message(MessageKind::Error, QStringLiteral("Файл %1 поврежден").arg(QFileInfo(templatePath).fileName()),
                       QStringLiteral("Обратитесь к разработчику программного обеспечения"));
        break;
    case WorkbookStatus::NotSaved:
        person.message(MessageKind::Information, QStringLiteral("Ошибка работы с файлом!"));
        break;
    }
    return false;
}
