#pragma once

#include "base/safe_save.h"

#include <QString>

class WorkDirectory;

// The organisation's name printed at the top of every page, kept as 40 bytes
// of Windows-1251, zero-padded, in "title.ini" of the INI folder. The single
// analysis passport takes the same bytes as its station title.
namespace OrganisationTitle {

constexpr int Size = 40;

QString filePath(const WorkDirectory& directory);

// The name in the file; empty when there is none.
QString read(const QString& path);

// The name as the operator typed it, cut to what the file holds.
QString bounded(const QString& entered);

// Writes `entered` (bounded) when it differs from `previous`, the name the
// dialog was opened with, creating the file when there was none; Unchanged
// when they are the same.
SaveResult store(const QString& path, const QString& entered, const QString& previous);

} // namespace OrganisationTitle
