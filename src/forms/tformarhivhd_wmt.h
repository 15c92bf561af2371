#pragma once

#include "forms/archive_viewer.h"

// The moisture-meter hourly or daily viewer, by the archive of the file.
class TFormArhivHD_Wmt : public ArchiveViewer {
    Q_OBJECT
public:
    TFormArhivHD_Wmt(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent = nullptr);
};
