#pragma once

#include "archives/archive_kind.h"
#include "tables/date_stamp.h"

#include <QByteArray>

// The data of one period request of an archive (sent with the archive's
// function code): the archive's three head bytes, then start and end cut to
// the archive's stamp length (minute, hour or day).
QByteArray archiveRequestData(ArchiveKind kind, const DateStamp& start, const DateStamp& end);
