#pragma once

#include "archives/archive_bounds_query.h"
#include "exchange/request_layer.h"

#include <functional>

// Waits the given number of seconds: the controller is about to write a
// 5-minute record and may drop the oldest one meanwhile.
using RecordWriteWait = std::function<void(int seconds)>;

// The program's wait: the window keeps repainting meanwhile.
RecordWriteWait waitWhilePumping(Operator& person);

// The guard of a 5-minute reading against the ring overwriting the records it
// asks for. `period` is cut to 5-minute slots. A start more than a day after
// the oldest bound is safe at once. Otherwise, while the ring is full, the
// controller's clock is read again (after `wait` when a record is due within
// five seconds) and the bounds recomputed: a period wholly overwritten is given
// up ("В архиве уже нет данных за указанный период"), a start that fell out of
// the archive is moved to the new oldest bound when the operator agrees. False:
// do not read.
bool guardMomentPeriod(RequestLayer& layer, const ArchiveBoundsQuery& query, Period& period,
                       const RecordWriteWait& wait);
