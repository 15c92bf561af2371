#pragma once

#include "logs/log_kind.h"

#include <QList>
#include <QStringList>

// The heading lines of each of the log's seven columns, as its viewer shows them.
QList<QStringList> logColumnHeadings(LogKind kind);
