#pragma once

#include "forms/archive_viewer.h"

// The chromatograph hourly or daily viewer, by the archive of the file. It
// opens on the last mean, selected; a short table is only as high as its rows.
class TFormArhivHDM_Chr : public ArchiveViewer {
    Q_OBJECT
public:
    TFormArhivHDM_Chr(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent = nullptr);
};
