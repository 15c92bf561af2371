#include "archives/archive_reading.h"

#include "archives/archive_block_request.h"
#include "archives/archive_stamps.h"
#include "archives/expected_stamp.h"
#include "archives/stamp_bytes.h"
#include "base/table_numbers.h"

#include <QFile>
#include <algorithm>

namespace {

constexpr int ChromatographTypeByte = 6;

// The bar counts hours (5-minute archives twelve slots an hour) or days.
int progressMaximum(PeriodMode mode, const Period& period)
{
    const qint64 days = dateTimeOf(truncatedTo(PeriodMode::Daily, period.start))
                            .daysTo(dateTimeOf(truncatedTo(PeriodMode::Daily, period.end)));
    const qint64 hours = days * 24 + period.end.hour - period.start.hour;
    const qint64 units = mode == PeriodMode::FiveMinute ? hours * 12 : mode == PeriodMode::Hourly ? hours : days;
    return static_cast<int>(std::clamp<qint64>(units, 1, INT32_MAX));
}

class BlockReading {
public:
    BlockReading(RequestContext context, const ArchiveReadingRequest& request, QFile& file)
        : context_(context), request_(request), info_(archiveKindInfo(request.kind)), file_(file),
          expected_(info_.periodMode, request.period)
    {
    }

    enum class Outcome { Complete, FailedAtOnce, Incomplete, Stopped, NotWritten };

    Outcome run()
    {
        const QString line = QString::fromUtf8(info_.readingLine);
        DateStamp start = request_.period.start;
        for (;;) {
            const std::optional<ArchiveAnswer> answer =
                requestArchiveBlock(context_, info_.kind, start, request_.period.end);
            if (!answer) {
                if (written_ == 0) {
                    context_.person.message(MessageKind::Information, line, QStringLiteral("не прочитаны"));
                    return Outcome::FailedAtOnce;
                }
                context_.person.message(MessageKind::Information, line, QStringLiteral("прочитаны не полностью"));
                return Outcome::Incomplete;
            }
            const Outcome block = takeRecords(answer->records);
            context_.person.pump();
            const bool escape = context_.person.takeEscape();
            if (block != Outcome::Complete)
                return block;
            if (!answer->full || expected_.pastEnd())
                return Outcome::Complete;
            if (escape) {
                context_.person.message(MessageKind::Information, line, QStringLiteral("прочитаны не полностью"));
                return Outcome::Stopped;
            }
            start = expected_.next();
        }
    }

    int written() const { return written_; }

private:
    Outcome takeRecords(const ArchiveRecords& records)
    {
        for (int i = 0; i < records.count(); ++i) {
            const QByteArray record = records.recordBytes(i);
            context_.person.setProgress(++position_);
            const DateStamp stamp = stampAt(record, 0, FullStampLength);
            bool stop = false;
            if (checking_ && expected_.check(stamp) != ExpectedStamp::Check::InPeriod) {
                // Yes reads on without looking at the stamps again; No keeps this record and stops.
                stop = !context_.person.message(MessageKind::Question,
                                                QStringLiteral("Передаваемые контроллером данные не соответствуют"),
                                                QStringLiteral("запрошенному периоду.    Продолжить чтение?"));
                checking_ = false;
            }
            if (file_.write(record) != record.size()) {
                context_.person.message(MessageKind::Error, QStringLiteral("Ошибка записи файла"), file_.fileName());
                return Outcome::NotWritten;
            }
            ++written_;
            expected_.passRecord(stamp);
            if (stop)
                return Outcome::Stopped;
        }
        return Outcome::Complete;
    }

    RequestContext context_;
    const ArchiveReadingRequest& request_;
    const ArchiveKindInfo& info_;
    QFile& file_;
    ExpectedStamp expected_;
    bool checking_ = true;
    int written_ = 0;
    int position_ = 0;
};

} // namespace

std::optional<ArchiveFile> readArchivePeriod(RequestContext context, const ArchiveReadingRequest& request)
{
    Operator& person = context.person;
    const ArchiveKindInfo& info = archiveKindInfo(request.kind);
    const QString openFailure = QStringLiteral("Ошибка открытия файла");
    QFile file(request.temporaryFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        person.message(MessageKind::Error, openFailure);
        return std::nullopt;
    }

    BusyCursor busy(person);
    person.setPanel(StatusPanel::Transient, {});
    person.setEscapeAllowed(true);
    person.takeEscape(); // an Escape from before the reading does not stop it
    const int maximum = progressMaximum(info.periodMode, request.period);
    person.beginProgress(WaitMode::ReadingData, maximum);
    BlockReading reading(context, request, file);
    const BlockReading::Outcome outcome = reading.run();
    person.setEscapeAllowed(false);
    if (!file.flush())
        person.message(MessageKind::Error, QStringLiteral("Ошибка записи файла"), file.fileName());
    file.close();

    const bool fiveMinute = info.periodMode == PeriodMode::FiveMinute;
    if (outcome == BlockReading::Outcome::FailedAtOnce || (!fiveMinute && reading.written() == 0)) {
        person.endProgress();
        return std::nullopt;
    }
    person.setProgress(maximum);
    person.showProgressComplete();
    person.endProgress();

    // What is shown is what the file holds: a record whose write failed is not there.
    QFile written(request.temporaryFile);
    if (!written.open(QIODevice::ReadOnly)) {
        person.message(MessageKind::Error, openFailure);
        return std::nullopt;
    }
    ArchiveRecords records(request.kind);
    records.append(written.read(static_cast<qint64>(reading.written()) * info.recordSize));
    if (records.count() == 0) {
        if (fiveMinute)
            person.message(MessageKind::Information, QStringLiteral("Нет данных за указанный период"));
        return std::nullopt;
    }

    const ParamImage& image = context.image;
    const auto name = image.table(TableNumber::ControllerName);
    const ArchiveFileHeader header = ArchiveFileHeader::build({
        .kind = request.kind,
        .controllerName = QByteArrayView(name.data(), name.size()),
        .address = context.engine.address(),
        .pcTime = stampOf(request.pcClock()),
        .periodStart = request.period.start,
        .periodEnd = request.period.end,
        .count = static_cast<std::uint32_t>(records.count()),
        .chromatographType = image.table(TableNumber::ChromatographPort)[ChromatographTypeByte],
    });
    return ArchiveFile{header, records};
}
