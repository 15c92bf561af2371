#pragma once

#include "forms/archive_viewer.h"

// The chromatograph 5-minute viewer, which also prints the passport of the
// selected analysis ("Печать 1 анализа"): as wide as its columns, down to whole
// columns within the screen, and as high as the screen allows.
class TFormArhMom_Chr : public ArchiveViewer {
    Q_OBJECT
public:
    TFormArhMom_Chr(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent = nullptr);

private:
    void printPassport();
};
