#include "forms/tformarhmom_chr.h"

#include <QHeaderView>
#include <QScreen>
#include <QTableView>

namespace {
constexpr int ScreenWidthMargin = 20;
constexpr int ScreenHeightMargin = 60;
} // namespace

TFormArhMom_Chr::TFormArhMom_Chr(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent)
    : ArchiveViewer(file, context, parent)
{
    addWorkbookExport();
    const QRect screenArea = screen()->availableGeometry();
    int width = tablesWidth() + aroundTablesWidth();
    // Whole columns go out of sight, the last first, until the window fits the screen.
    for (int column = valueView().model()->columnCount() - 1;
         column > 0 && width > screenArea.width() - ScreenWidthMargin; --column)
        width -= valueView().columnWidth(column);
    resize(width, screenArea.height() - ScreenHeightMargin);
}
