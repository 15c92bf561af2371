#include "archives/interval_lines_reading.h"

#include "archives/archive_block_request.h"
#include "archives/archive_stamps.h"
#include "archives/stamp_bytes.h"

namespace {

struct IntervalLinesRequest {
    ArchiveKind kind;
    Period period;
    int mostLines;
    // When given (the moisture meter after the chromatograph), line k must
    // have the stamp of line k of these.
    const ArchiveRecords* matching = nullptr;
    int progressFrom = 0; // the progress bar's position before the first line
};

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
            const std::optional<ArchiveAnswer> answer =
                requestArchiveBlock(context_, request_.kind, cursor, request_.period.end);
            if (!answer)
                return notRead();
            const ArchiveRecords& records = answer->records;
            for (int i = 0; i < records.count(); ++i) {
                const QByteArray record = records.recordBytes(i);
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
            if (records.count() == 0)
                return lines_.count() == 0 ? notRead() : std::make_optional(lines_);
        }
    }

private:
    // The moisture meter's lines cannot outnumber the chromatograph's they match.
    int mostLines() const { return request_.matching ? request_.matching->count() : request_.mostLines; }

    DateStamp stampOf(QByteArrayView record) const { return stampAt(record, 0, info_.stampLength); }

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

std::optional<PairedLines> readPairedLines(RequestContext context, ArchiveKind chromKind, ArchiveKind wmtKind,
                                           const Period& period, int mostLines)
{
    Operator& person = context.person;
    person.setEscapeAllowed(true);
    person.takeEscape(); // an Escape from before the reading does not stop it
    person.beginProgress(WaitMode::ReadingData, 2 * mostLines);
    const std::optional<ArchiveRecords> chrom = LinesReading(context, {chromKind, period, mostLines}).run();
    std::optional<ArchiveRecords> wmt;
    if (chrom)
        wmt = LinesReading(context, {wmtKind, period, mostLines, &*chrom, chrom->count()}).run();
    person.endProgress();
    person.setEscapeAllowed(false);
    if (!wmt)
        return std::nullopt;
    if (wmt->count() != chrom->count()) {
        person.message(MessageKind::Information, QStringLiteral("Несоответствие количества прочитанных данных"),
                       QStringLiteral("хроматографа (%1) и влагомера (%2)").arg(chrom->count()).arg(wmt->count()));
        return std::nullopt;
    }
    return PairedLines{*chrom, *wmt};
}
