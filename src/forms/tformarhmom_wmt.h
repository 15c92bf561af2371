#pragma once

#include "forms/archive_viewer.h"

// The moisture-meter 5-minute viewer.
class TFormArhMom_Wmt : public ArchiveViewer {
    Q_OBJECT
public:
    TFormArhMom_Wmt(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent = nullptr);
};
