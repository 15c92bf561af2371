#include "exchange/request_layer.h"

#include "exchange/changed_fields.h"
#include "link/request_frame.h"
#include "tables/table_catalogue.h"

namespace {

constexpr std::uint8_t ReadFunction = 1;
constexpr std::uint8_t WriteFunction = 2;
constexpr int EchoedRange = 5; // A[5..7] repeat the range of the request

QByteArray rangeBytes(const FieldRange& range)
{
    const char bytes[] = {static_cast<char>(range.table), static_cast<char>(range.first),
                          static_cast<char>(range.count)};
    return QByteArray(bytes, sizeof bytes);
}

int byteCount(const FieldRange& range)
{
    return range.count * TableCatalogue::descriptor(range.table).fieldLength;
}

// "... (поле 3)" for one field (or none), "... (поля 3-7)" for several.
QString progressText(const QString& oneField, const QString& fields, const FieldRange& range)
{
    if (range.count <= 1)
        return oneField.arg(range.table).arg(range.first);
    return fields.arg(range.table).arg(range.first).arg(range.first + range.count - 1);
}

QString quotedName(int table)
{
    return QStringLiteral("\"%1\"").arg(TableCatalogue::name(table));
}

QString tableLine(int table)
{
    return QStringLiteral("Табл. %1 \"%2\".").arg(table).arg(TableCatalogue::name(table));
}

} // namespace

bool RequestLayer::readFields(const FieldRange& range, bool interactive)
{
    if (!TableCatalogue::contains(range))
        return refuse();
    const int valueBytes = byteCount(range);
    const Exchange read{ReadFunction,
                        rangeBytes(range),
                        progressText(QStringLiteral("Чтение из таблицы %1 (поле %2)"),
                                     QStringLiteral("Чтение из таблицы %1 (поля %2-%3)"), range),
                        false,
                        QStringLiteral("Не выполнено чтение из таблицы %1.").arg(range.table),
                        quotedName(range.table),
                        QStringLiteral("Несоответствие запрошенных и переданных данных."),
                        valueBytes};
    if (!run(range, read, interactive))
        return false;
    const auto* values = reinterpret_cast<const char*>(context_.engine.answerFrame().data()) + FrameOffset::FieldValues;
    context_.image.assign(range, QByteArrayView(values, valueBytes));
    return true;
}

bool RequestLayer::writeFields(const FieldRange& range, bool interactive)
{
    if (!TableCatalogue::contains(range))
        return refuse();
    const Exchange write{WriteFunction,
                         rangeBytes(range) + context_.image.copyOf(range),
                         progressText(QStringLiteral("Запись в таблицу %1 (поле %2)"),
                                      QStringLiteral("Запись в таблицу %1 (поля %2-%3)"), range),
                         true,
                         QStringLiteral("Не выполнена запись в таблицу %1.").arg(range.table),
                         quotedName(range.table) + QLatin1Char('.'),
                         QStringLiteral("Несоответствие заголовка ответа заголовку запроса на запись."),
                         std::nullopt};
    return run(range, write, interactive);
}

bool RequestLayer::writeChangedFields(const FieldRange& range, QByteArrayView before)
{
    const QByteArray now = context_.image.copyOf(range);
    if (!TableCatalogue::contains(range) || before.size() != now.size())
        return refuse();
    bool written = true;
    for (const FieldRange& request : changedFieldWrites(range, before, now)) {
        written = writeFields(request);
        if (!written)
            break;
    }
    if (written)
        failure_.clear();
    return written;
}

bool RequestLayer::run(const FieldRange& range, const Exchange& exchange, bool interactive)
{
    Operator& person = context_.person;
    const bool showProgress = interactive || exchange.alwaysShowProgress;
    while (true) {
        if (showProgress) {
            person.setPanel(StatusPanel::Transient, exchange.progress);
            person.pump();
        }
        const bool done = context_.engine.request(exchange.function, exchange.data);
        person.pump();
        if (!done) {
            failure_ = context_.engine.errorMessage();
            if (!interactive)
                return false;
            person.setPanel(StatusPanel::Transient, failure_);
            const bool again = person.message(MessageKind::Retry, exchange.failedLine, exchange.failedTable);
            person.setPanel(StatusPanel::Transient, QString());
            if (again)
                continue;
            return false;
        }
        if (!answerFits(range, exchange.answerValueBytes)) {
            failure_ = exchange.mismatchLine;
            if (interactive && person.message(MessageKind::Retry, exchange.mismatchLine, tableLine(range.table)))
                continue;
            return false;
        }
        if (showProgress)
            person.setPanel(StatusPanel::Transient, QString());
        failure_.clear();
        return true;
    }
}

bool RequestLayer::answerFits(const FieldRange& range, const std::optional<int>& valueBytes) const
{
    const FrameBuffer& answer = context_.engine.answerFrame();
    if (answer[EchoedRange] != range.table || answer[EchoedRange + 1] != range.first ||
        answer[EchoedRange + 2] != range.count)
        return false;
    // A read answer shorter or longer than the fields asked for would put stale
    // or foreign bytes into the image.
    return !valueBytes ||
           answer[FrameOffset::Length] == FrameOffset::FieldValues + *valueBytes + FrameByte::ChecksumLength;
}

bool RequestLayer::refuse()
{
    failure_ = QStringLiteral("Нет такого поля в таблице");
    return false;
}
