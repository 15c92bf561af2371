#pragma once

#include "archives/archive_records.h"

#include <QByteArrayView>

// What one answer to an archive period request brought.
struct ArchiveAnswer {
    ArchiveRecords records;
    // The answer held as many records as one frame can; only then may more
    // follow in the period.
    bool full = false;
    // The answer holds every record it announces, and no more than one frame can:
    // an answer that does not is a failed request.
    bool countHeld = false;
};

// The records of the answer frame `frame` (from its first byte; its length
// byte tells where the records end): A[4] = N records from A[5]. N is believed
// only as far as the frame holds whole records, and never beyond a full answer.
ArchiveAnswer parseArchiveAnswer(ArchiveKind kind, QByteArrayView frame);
