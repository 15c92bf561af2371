#include "archives/archive_block_request.h"

#include "archives/archive_request.h"

std::optional<ArchiveAnswer> requestArchiveBlock(RequestContext context, ArchiveKind kind, const DateStamp& start,
                                                 const DateStamp& end)
{
    hgcbox& engine = context.engine;
    if (!engine.request(archiveKindInfo(kind).functionCode, archiveRequestData(kind, start, end))) {
        context.person.setPanel(StatusPanel::Transient, engine.errorMessage());
        return std::nullopt;
    }
    const auto& frame = engine.answerFrame();
    ArchiveAnswer answer =
        parseArchiveAnswer(kind, QByteArrayView(reinterpret_cast<const char*>(frame.data()), frame.size()));
    if (!answer.countHeld) {
        context.person.setPanel(StatusPanel::Transient,
                                QStringLiteral("Несоответствие запрошенных и переданных данных."));
        return std::nullopt;
    }
    return answer;
}
