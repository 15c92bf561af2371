#pragma once

#include "forms/archive_viewer.h"

// Opens the viewer of the file's archive, modal, and returns when it closes.
void showArchiveViewer(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent);
