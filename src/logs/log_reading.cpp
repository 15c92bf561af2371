#include "logs/log_reading.h"

#include "archives/stamp_bytes.h"
#include "exchange/request_layer.h"
#include "logs/log_answer.h"
#include "logs/log_request.h"

#include <QDateTime>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <functional>

namespace {

constexpr int BoundRecordSize = 4;

QDateTime momentOf(const DateStamp& stamp)
{
    return QDateTime(QDate(2000 + stamp.year, stamp.month, stamp.day), QTime(stamp.hour, stamp.minute, stamp.second),
                     Qt::UTC);
}

int hoursBetween(const DateStamp& start, const DateStamp& end)
{
    const qint64 seconds = momentOf(start).secsTo(momentOf(end));
    return static_cast<int>(std::clamp<qint64>(seconds / 3600, 0, INT32_MAX));
}

// One reading: the temporary file, the progress window and the messages of a failure.
class Reading {
public:
    Reading(RequestContext context, LogKind kind, const QString& temporaryFile)
        : context_(context), info_(logKindInfo(kind)), file_(temporaryFile)
    {
    }

    // `loop` requests answers until it returns; the reading's records, or none
    // when nothing was read.
    std::optional<LogRecords> run(int maximum, const std::function<void()>& loop)
    {
        Operator& person = context_.person;
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            person.message(MessageKind::Error, QStringLiteral("Ошибка открытия файла"));
            return std::nullopt;
        }
        BusyCursor busy(person);
        person.setPanel(StatusPanel::Transient, {});
        person.setEscapeAllowed(true);
        person.takeEscape(); // an Escape from before the reading does not stop it
        person.beginProgress(WaitMode::ReadingData, std::max(maximum, 1));
        loop();
        person.setEscapeAllowed(false);
        file_.close();
        person.endProgress();
        if (result_.count == 0)
            return std::nullopt;
        return result_;
    }

    // Sends one request; the answer parsed by `parse`, or none after a failure
    // (told to the operator).
    std::optional<LogAnswer> request(std::uint8_t function, const QByteArray& data,
                                     const std::function<LogAnswer(QByteArrayView)>& parse)
    {
        hgcbox& engine = context_.engine;
        std::optional<LogAnswer> answer;
        if (!engine.request(function, data)) {
            context_.person.setPanel(StatusPanel::Transient, engine.errorMessage());
        } else {
            const auto& frame = engine.answerFrame();
            LogAnswer parsed = parse(QByteArrayView(reinterpret_cast<const char*>(frame.data()), frame.size()));
            if (parsed.believed)
                answer = parsed;
            else
                context_.person.setPanel(StatusPanel::Transient,
                                         QStringLiteral("Несоответствие запрошенных и переданных данных."));
        }
        if (!answer)
            context_.person.message(MessageKind::Information, QString::fromUtf8(info_.messageLine),
                                    result_.count == 0 ? QStringLiteral("не прочитаны")
                                                       : QStringLiteral("прочитаны не полностью"));
        return answer;
    }

    // Keeps the answer's records; false when the file refused them.
    bool keep(const LogAnswer& answer)
    {
        if (file_.write(answer.records) != answer.records.size()) {
            context_.person.message(MessageKind::Error, QStringLiteral("Ошибка записи файла"), file_.fileName());
            return false;
        }
        result_.records += answer.records;
        result_.count += answer.count;
        result_.logError = result_.logError || answer.logError;
        return true;
    }

    // Lets the window breathe; true when the operator pressed Esc.
    bool escaped()
    {
        context_.person.pump();
        return context_.person.takeEscape();
    }

    Operator& person() { return context_.person; }
    int count() const { return result_.count; }

private:
    RequestContext context_;
    const LogKindInfo& info_;
    QFile file_;
    LogRecords result_;
};

} // namespace

std::optional<LogBounds> readLogBounds(RequestLayer& layer, LogKind kind)
{
    const std::uint8_t table = logKindInfo(kind).boundsTable;
    if (!layer.readFields({table, 0, 2}))
        return std::nullopt;
    const ParamImage& image = layer.context().image;
    const auto oldest = image.field(table, 0);
    const auto newest = image.field(table, 1);
    if (oldest.size() < BoundRecordSize || newest.size() < BoundRecordSize)
        return std::nullopt;
    return LogBounds{qFromLittleEndian<std::uint32_t>(oldest.data()), qFromLittleEndian<std::uint32_t>(newest.data())};
}

std::optional<LogRecords> readLogByIndex(RequestContext context, LogKind kind, const IndexRange& range,
                                         const QString& temporaryFile)
{
    Reading reading(context, kind, temporaryFile);
    const int maximum = static_cast<int>(std::min<std::uint32_t>(range.count, INT32_MAX));
    return reading.run(maximum, [&] {
        std::uint32_t first = range.first;
        std::uint32_t remaining = range.count;
        while (remaining > 0) {
            const int asked = static_cast<int>(std::min<std::uint32_t>(remaining, MostRecordsByIndex));
            const std::optional<LogAnswer> answer =
                reading.request(LogByIndexFunction, indexRequestData(kind, first, asked),
                                [&](QByteArrayView frame) { return parseIndexAnswer(kind, frame, asked); });
            if (!answer)
                return;
            if (answer->count == 0) {
                if (reading.count() == 0)
                    reading.person().message(MessageKind::Information,
                                             QStringLiteral("Нет сообщений с заданными индексами"));
                return;
            }
            if (!reading.keep(*answer))
                return;
            reading.person().setProgress(reading.count());
            if (reading.escaped())
                return;
            first += static_cast<std::uint32_t>(answer->count);
            remaining -= static_cast<std::uint32_t>(answer->count);
        }
    });
}

std::optional<LogRecords> readLogByPeriod(RequestContext context, LogKind kind, const Period& period,
                                          const QString& temporaryFile)
{
    Reading reading(context, kind, temporaryFile);
    const int recordSize = logKindInfo(kind).recordSize;
    return reading.run(hoursBetween(period.start, period.end), [&] {
        std::uint8_t block = 0;
        for (;;) {
            const std::optional<LogAnswer> answer =
                reading.request(LogByPeriodFunction, periodRequestData(kind, block, period.start, period.end),
                                [&](QByteArrayView frame) { return parsePeriodAnswer(kind, frame); });
            if (!answer)
                return;
            if (answer->count == 0 && reading.count() == 0) {
                reading.person().message(MessageKind::Information, QStringLiteral("Нет данных за указанный период"));
                return;
            }
            // An empty answer ends the reading whatever its flag says: asking on could go round the block numbers
            // forever.
            if (answer->count == 0 || !reading.keep(*answer))
                return;
            const DateStamp last = stampAt(answer->records, (answer->count - 1) * recordSize, FullStampLength);
            reading.person().setProgress(hoursBetween(period.start, last));
            if (reading.escaped() || !answer->more)
                return;
            block = nextLogBlock(block);
        }
    });
}
