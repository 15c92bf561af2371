#include "archives/interval_lines_reading.h"

#include "archives/archive_answer.h"
#include "archives/archive_request.h"
#include "archives/archive_stamps.h"
#include "archives/stamp_bytes.h"

namespace {

class LinesReading {
public:
    LinesReading(RequestContext context, const IntervalLinesRequest& request)
        : context_(context), request_(request), info_(archiveKindInfo(request.kind)), lines_(request.kind),
          position_(request.progressFrom)
    {
    }

    std::optional<ArchiveRecords> run()
    {
        DateStamp cursor = request_.period.start;
        for (;;) {
            const std::optional<ArchiveRecords> answer = requestFrom(cursor);
            if (!answer)
                return notRead();
            for (int i = 0; i < answer->count(); ++i) {
                const QByteArray record = answer->recordBytes(i);
                const DateStamp stamp = stampOf(record);
                if (stamp < cursor || stamp > request_.period.end) {
                    context_.person.message(MessageKind::Information,
                                            QStringLiteral("Передаваемые контроллером данные не соответствуют"),
                                            QStringLiteral("запрошенному периоду"));
                    return std::nullopt;
                }
                if (request_.matching && stamp != stampOf(request_.matching->recordBytes(lines_.count()))) {
                    context_.person.message(MessageKind::Information, QStringLiteral("Несоответствие дат в записях"),
                                            QStringLiteral("архивов данных хроматографа и влагомера"));
                    return std::nullopt;
                }
                lines_.append(record);
                context_.person.setProgress(++position_);
                cursor = steppedBy(info_.periodMode, stamp, 1);
                if (lines_.count() == mostLines() || cursor > request_.period.end)
                    return lines_;
            }
            context_.person.pump();
            if (context_.person.takeEscape())
                return std::nullopt;
            if (answer->count() == 0)
                return lines_.count() == 0 ? notRead() : std::make_optional(lines_);
        }
    }

private:
    // The moisture meter's lines cannot outnumber the chromatograph's they match.
    int mostLines() const { return request_.matching ? request_.matching->count() : request_.mostLines; }

    DateStamp stampOf(QByteArrayView record) const { return stampAt(record, 0, info_.stampLength); }

    std::optional<ArchiveRecords> requestFrom(const DateStamp& cursor)
    {
        hgcbox& engine = context_.engine;
        if (!engine.request(info_.functionCode, archiveRequestData(info_.kind, cursor, request_.period.end))) {
            context_.person.setPanel(StatusPanel::Transient, engine.errorMessage());
            return std::nullopt;
        }
        const auto& frame = engine.answerFrame();
        ArchiveAnswer answer =
            parseArchiveAnswer(info_.kind, QByteArrayView(reinterpret_cast<const char*>(frame.data()), frame.size()));
        if (!answer.countHeld) {
            context_.person.setPanel(StatusPanel::Transient,
                                     QStringLiteral("Несоответствие запрошенных и переданных данных."));
            return std::nullopt;
        }
        return answer.records;
    }

    std::nullopt_t notRead() const
    {
        context_.person.message(MessageKind::Information, QString::fromUtf8(info_.readingLine),
                                QStringLiteral("не прочитаны"));
        return std::nullopt;
    }

    RequestContext context_;
    const IntervalLinesRequest& request_;
    const ArchiveKindInfo& info_;
    ArchiveRecords lines_;
    int position_;
};

} // namespace

std::optional<ArchiveRecords> readIntervalLines(RequestContext context, const IntervalLinesRequest& request)
{
    return LinesReading(context, request).run();
}
