#pragma once

#include "archives/archive_answer.h"
#include "exchange/request_context.h"
#include "tables/date_stamp.h"

#include <optional>

// Asks the controller for the archive's records from `start` to `end`: the
// records of one answer. None after a failed request or an answer that does
// not hold what it announces; panel 2 then says why.
std::optional<ArchiveAnswer> requestArchiveBlock(RequestContext context, ArchiveKind kind, const DateStamp& start,
                                                 const DateStamp& end);
