#include "app/day_report_commands.h"

#include "app/data_file_filters.h"
#include "app/file_save_choice.h"
#include "app/report_output.h"
#include "archives/archive_bounds_query.h"
#include "archives/day_record_reading.h"
#include "base/table_numbers.h"
#include "reports/report_day_choice.h"
#include "settings/work_directory.h"

#include <QFileInfo>

namespace {

constexpr int RecordValuesOffset = 10;

// The chromatograph's record of `day` when a report may be made of it; none
// after the message saying why not.
std::optional<ChromIntervalRecord> readReportDayRecord(RequestContext context, const QDate& day)
{
    Operator& person = context.person;
    std::variant<QByteArray, DayRecordFault> read;
    {
        const BusyCursor busy(person);
        read = readDayRecord(context, ArchiveKind::ChromDaily, day);
    }
    const QString unsound = QStringLiteral("Суточные данные недостоверны");
    if (const auto* fault = std::get_if<DayRecordFault>(&read)) {
        switch (*fault) {
        case DayRecordFault::Damaged:
            // Without a closing parenthesis: the line has always read so.
            person.message(MessageKind::Information, unsound, QStringLiteral("(не совпадает КС записи"));
            break;
        case DayRecordFault::OtherDay:
            person.message(MessageKind::Information, unsound,
                           QStringLiteral("(дата записи не совпадает с запрошенной)"));
            break;
        default:
            person.pump(); // panel 2 shows why before the message covers it
            person.message(MessageKind::Information, QStringLiteral("Суточные данные из архива"),
                           QStringLiteral("не прочитаны"));
        }
        return std::nullopt;
    }
    ChromIntervalRecord record(std::get<QByteArray>(read));
    if (const std::optional<QString> refusal = dayRecordRefusal(record)) {
        person.message(MessageKind::Information, unsound, *refusal);
        return std::nullopt;
    }
    return record;
}

} // namespace

std::optional<ReportDataFile> readDayReportData(RequestContext context, const WorkDirectory& directory,
                                                std::uint8_t contractHour, const QDate& day)
{
    const std::optional<ChromIntervalRecord> record = readReportDayRecord(context, day);
    if (!record)
        return std::nullopt;
    const auto name = context.image.table(TableNumber::ControllerName);
    return ReportDataFile::make({
        .texts = ReportTexts::read(ReportTexts::filePath(directory)),
        .contractHour = contractHour,
        .name = QByteArrayView(reinterpret_cast<const char*>(name.data()), name.size()),
        .address = context.engine.address(),
        .day = day,
        .valueBytes = QByteArrayView(record->bytes()).sliced(RecordValuesOffset, ReportDataFile::ValuesSize),
    });
}

void printDayReport(Operator& person, ReportWindows& windows, const ReportDataFile& file,
                    const ReportSettings& settings, const ComponentSlotMap& slotMap)
{
    const DayReport report = file.report();
    offerReportOutput(person, windows, dayReportLines(report, settings), dayReportDocument(report, settings, slotMap),
                      PrintRoute::ChosenPrinter);
}

DayReportCommands::DayReportCommands(Operator& person, Surroundings surroundings)
    : person_(person), around_(std::move(surroundings))
{
}

void DayReportCommands::create(RequestContext context)
{
    std::optional<ArchiveBoundsQuery> query;
    {
        const BusyCursor busy(person_);
        RequestLayer layer(context);
        query = queryArchiveBounds(layer, PeriodMode::Daily);
    }
    if (!query)
        return;
    const std::optional<QDate> day =
        around_.windows.chooseReportDay(query->bounds, presetReportDay(around_.pcClock().date()));
    if (!day)
        return;
    const std::optional<ReportDataFile> file =
        readDayReportData(context, around_.directory, static_cast<std::uint8_t>(query->extent.contractHour), *day);
    around_.startMessageTimer();
    if (!file)
        return;
    const QString path = ReportDataFile::filePath(around_.directory, *day);
    if (file->save(path).failed())
        person_.message(MessageKind::Information, QStringLiteral("Ошибка создания файла."),
                        QStringLiteral("Данные для создания отчета не сохранены"));
    else
        person_.message(MessageKind::Information, QStringLiteral("Данные для создания отчета"),
                        QStringLiteral("сохранены в файле %1").arg(QFileInfo(path).fileName()));
    // What was read can be printed even when it could not be kept.
    printDayReport(person_, around_.windows, *file, around_.settings, around_.slotMap);
}

void DayReportCommands::printFile()
{
    const std::optional<QString> path = person_.chooseFile({FileChoice::Mode::Open,
                                                            QStringLiteral("Выбор файла отчета"),
                                                            around_.directory.reports(),
                                                            dataFileFilters(),
                                                            {},
                                                            reportFileFilter()});
    if (!path)
        return;
    const auto read = ReportDataFile::read(*path);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        tellReadProblem(person_, *problem);
        return;
    }
    printDayReport(person_, around_.windows, std::get<ReportDataFile>(read), around_.settings, around_.slotMap);
}
