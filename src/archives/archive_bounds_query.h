#pragma once

#include "archives/archive_bounds.h"
#include "exchange/request_layer.h"

#include <optional>

struct ArchiveBoundsQuery {
    ArchiveBounds bounds;
    ArchiveExtent extent;
};

// Reads what the archive's bounds follow from (its first-record stamp in table
// 27, the controller's clock in table 2, the contract hour in table 6) and
// computes them. None when a read failed (the request layer has told the
// operator), when the archive is empty ("В архиве нет данных", "В архиве еще нет
// ни одной записи") or when a stamp is no real date and time ("Прочитанные
// параметры даты и времени (...)" / "не соответствуют допустимым значениям").
std::optional<ArchiveBoundsQuery> queryArchiveBounds(RequestLayer& layer, PeriodMode mode);

// Reads the controller's clock (table 2) and checks it as the bounds query does;
// none after a failed read or a wrong time, which the operator has been told.
std::optional<DateStamp> readControllerTime(RequestLayer& layer);
