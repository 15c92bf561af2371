#include "forms/tformarhmom_wmt.h"

TFormArhMom_Wmt::TFormArhMom_Wmt(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent)
    : ArchiveViewer(file, context, parent)
{
    fitMoistureWindow();
}
