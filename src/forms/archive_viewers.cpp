#include "forms/archive_viewers.h"

#include "forms/tformarhivhd_wmt.h"
#include "forms/tformarhivhdm_chr.h"
#include "forms/tformarhmom_chr.h"
#include "forms/tformarhmom_wmt.h"

namespace {

std::unique_ptr<ArchiveViewer> viewerOf(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent)
{
    switch (archiveKindInfo(file.records.kind()).layout) {
    case RecordLayout::ChromMoment:
        return std::make_unique<TFormArhMom_Chr>(file, context, parent);
    case RecordLayout::ChromInterval:
        return std::make_unique<TFormArhivHDM_Chr>(file, context, parent);
    case RecordLayout::WmtMoment:
        return std::make_unique<TFormArhMom_Wmt>(file, context, parent);
    case RecordLayout::WmtInterval:
        break;
    }
    return std::make_unique<TFormArhivHD_Wmt>(file, context, parent);
}

} // namespace

void showArchiveViewer(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent)
{
    viewerOf(file, context, parent)->exec();
}
