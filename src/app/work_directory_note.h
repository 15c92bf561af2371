#pragma once

#include <QString>

// What the main window's status bar says once at the start: where the files are
// kept, when that is the per-user data directory (the program's own being
// read-only, as under /usr) and the directory has just been made, i.e. on the
// first start. Empty when there is nothing to say.
QString workDirectoryNote(const QString& root, const QString& userDataDirectory, bool rootExisted);
