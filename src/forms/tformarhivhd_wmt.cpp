#include "forms/tformarhivhd_wmt.h"

TFormArhivHD_Wmt::TFormArhivHD_Wmt(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent)
    : ArchiveViewer(file, context, parent)
{
    fitMoistureWindow();
}
