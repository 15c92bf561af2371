#pragma once

#include "exchange/request_context.h"
#include "tables/field_range.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Moves runs of fields between the table image and the controller. Interactive
// transfers show their progress in panel 2 of the status bar and, when a request
// fails or the answer does not fit the request, ask "Повторить попытку?" and
// repeat the same request while the operator answers "Да". Without the
// interactive flag nothing is shown (a write still shows its progress text) and
// the first failure ends the transfer.
class RequestLayer {
public:
    explicit RequestLayer(RequestContext context) : context_(context) {}

    // On success the fields are in the image; on any failure the image is untouched.
    bool readFields(const FieldRange& range, bool interactive = true);
    // Sends the fields as they are in the image.
    bool writeFields(const FieldRange& range, bool interactive = true);
    // Sends only what differs from `before` (the range's bytes as they were
    // before the edit), one request or several as is cheaper; nothing at all
    // when nothing changed. Stops at the first failed request.
    bool writeChangedFields(const FieldRange& range, QByteArrayView before);

    // Why the last transfer failed: the engine's message, or the mismatch text
    // when the answer did not fit the request. Empty after a success.
    const QString& failure() const { return failure_; }

    RequestContext& context() { return context_; }

private:
    // One request as it is repeated, shown and checked.
    struct Exchange {
        std::uint8_t function;
        QByteArray data;
        QString progress; // panel 2 while it runs
        bool alwaysShowProgress;
        QString failedLine;                  // first line of the retry question after a failed request
        QString failedTable;                 // its second line
        QString mismatchLine;                // first line when the answer does not fit the request
        std::optional<int> answerValueBytes; // field bytes the answer must carry; a write answer carries none
    };

    bool run(const FieldRange& range, const Exchange& exchange, bool interactive);
    bool answerFits(const FieldRange& range, const std::optional<int>& valueBytes) const;
    bool refuse();

    RequestContext context_;
    QString failure_;
};
