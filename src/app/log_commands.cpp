#include "app/log_commands.h"

#include "app/data_file_filters.h"
#include "app/file_save_choice.h"
#include "archives/archive_bounds_query.h"
#include "archives/archive_file_name.h"
#include "archives/archive_stamps.h"
#include "archives/stamp_bytes.h"
#include "base/table_numbers.h"
#include "exchange/request_layer.h"
#include "logs/log_file.h"
#include "logs/log_reading.h"
#include "settings/work_directory.h"

#include <QFileInfo>

namespace {

constexpr int NameCodePageByte = 12;  // of table 0: 0 when the controller keeps names in code page 866
constexpr int InstrumentTypeByte = 6; // of tables 14 and 15

QString temporaryFileOf(const WorkDirectory& directory, LogKind kind)
{
    return directory.root() + '/' + QLatin1String(logKindInfo(kind).temporaryFile);
}

} // namespace

LogDecodingContext logDecodingContext(const ParamImage& image)
{
    return {
        .namesInCodePage866 = image.table(TableNumber::Identification)[NameCodePageByte] == 0,
        .chromatographType = static_cast<std::uint8_t>(image.table(TableNumber::ChromatographPort)[InstrumentTypeByte]),
        .moistureMeterType = static_cast<std::uint8_t>(image.table(TableNumber::MoistureMeterPort)[InstrumentTypeByte]),
    };
}

LogCommands::LogCommands(RequestContext context, LogWindows& windows, const WorkDirectory& directory, PcClock pcClock)
    : context_(context), windows_(windows), directory_(directory), pcClock_(std::move(pcClock))
{
}

void LogCommands::readByIndex(LogKind kind)
{
    RequestLayer layer(context_);
    std::optional<LogBounds> bounds;
    {
        BusyCursor busy(context_.person);
        bounds = readLogBounds(layer, kind);
    }
    if (!bounds)
        return;
    if (bounds->empty()) {
        context_.person.message(MessageKind::Information, QStringLiteral("В архиве нет ни одной записи"));
        return;
    }
    const std::optional<IndexRange> range = windows_.chooseIndexRange(kind, *bounds);
    if (!range)
        return;
    const std::optional<LogRecords> read = readLogByIndex(context_, kind, *range, temporaryFileOf(directory_, kind));
    windows_.startMessageTimer();
    if (!read)
        return;
    const int size = logKindInfo(kind).recordSize;
    const DateStamp first = stampAt(read->records, 0, FullStampLength);
    const DateStamp last = stampAt(read->records, (read->count - 1) * size, FullStampLength);
    windows_.showLog({tableOf(kind, read->records, first, last), LogViewMode::ByIndex, range->first});
}

void LogCommands::readByPeriod(LogKind kind)
{
    RequestLayer layer(context_);
    std::optional<DateStamp> now;
    {
        BusyCursor busy(context_.person);
        now = readControllerTime(layer);
    }
    if (!now)
        return;
    const std::optional<Period> period = windows_.chooseLogPeriod(*now);
    if (!period)
        return;
    const std::optional<LogRecords> read = readLogByPeriod(context_, kind, *period, temporaryFileOf(directory_, kind));
    windows_.startMessageTimer();
    if (!read)
        return;
    if (read->logError)
        context_.person.message(MessageKind::Information, QStringLiteral("Обнаружена ошибка"),
                                QString::fromUtf8(logKindInfo(kind).errorLine));
    windows_.showLog({tableOf(kind, read->records, period->start, period->end), LogViewMode::ByPeriod});
}

LogTable LogCommands::tableOf(LogKind kind, const QByteArray& records, const DateStamp& start,
                              const DateStamp& end) const
{
    const ParamImage& image = context_.image;
    const LogDecodingContext decoding = logDecodingContext(image);
    const auto name = image.table(TableNumber::ControllerName);
    QList<LogRow> rows = decodeLogRecords(kind, records, decoding);
    const ArchiveFileHeader header = logFileHeader(kind,
                                                   {
                                                       .controllerName = QByteArrayView(name.data(), name.size()),
                                                       .address = context_.engine.address(),
                                                       .pcTime = stampOf(pcClock_()),
                                                       .start = start,
                                                       .end = end,
                                                       .chromatographType = decoding.chromatographType,
                                                       .moistureMeterType = decoding.moistureMeterType,
                                                   },
                                                   static_cast<std::uint32_t>(rows.size()));
    return {kind, header, rows};
}

QString proposedLogFileName(const LogTable& table, const QDate& pcDate)
{
    return QString::asprintf("gqc_04-%03d-%02d%02d%02d", table.header.address(), pcDate.year() - 2000, pcDate.month(),
                             pcDate.day()) +
           QLatin1String(logKindInfo(table.kind).extension);
}

void saveLog(Operator& person, const WorkDirectory& directory, const LogTable& table, const QDate& pcDate)
{
    const LogKindInfo& info = logKindInfo(table.kind);
    const QLatin1String extension(info.extension);
    const QString proposed = proposedLogFileName(table, pcDate);
    const FileChoice choice{FileChoice::Mode::Save,
                            QStringLiteral("Введите имя файла для сохранения данных"),
                            (directory.*info.folder)(),
                            logFileFilter(table.kind) + QStringLiteral(";;Все файлы (*)"),
                            proposed,
                            {}};
    const std::optional<QString> path =
        chooseFileToSave(person, choice, [extension](const QString& name) { return withExtension(name, extension); });
    if (path && savedOrTold(person, writeLogFile(*path, table)))
        person.message(MessageKind::Information,
                       QStringLiteral("Данные сохранены в файле %1.").arg(QFileInfo(*path).fileName()));
}

void viewLogFile(Operator& person, const WorkDirectory& directory, LogKind kind, LogWindows& windows)
{
    const std::optional<QString> path = person.chooseFile({FileChoice::Mode::Open,
                                                           QStringLiteral("Выберите файл с данными"),
                                                           (directory.*logKindInfo(kind).folder)(),
                                                           dataFileFilters(),
                                                           {},
                                                           logFileFilter(kind)});
    if (!path)
        return;
    const auto read = readLogFile(kind, *path);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        tellReadProblem(person, *problem);
        return;
    }
    windows.showLog({std::get<LogTable>(read), LogViewMode::FromFile});
}
