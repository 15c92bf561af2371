#include "forms/tformarhivhdm_chr.h"

#include <QScreen>
#include <QTableView>

namespace {
constexpr int ScreenWidthMargin = 20;
constexpr int RowsWithoutScrolling = 20;
constexpr int ScrollingTableHeight = 417;
} // namespace

TFormArhivHDM_Chr::TFormArhivHDM_Chr(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent)
    : ArchiveViewer(file, context, parent)
{
    addWorkbookExport();
    const int rows = table().rowCount();
    int height = ScrollingTableHeight;
    if (rows < RowsWithoutScrolling) {
        height = tableHeight(rows);
        valueView().setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    statusView().setFixedHeight(height);
    valueView().setFixedHeight(height);
    resize(std::min(tablesWidth() + aroundTablesWidth(), screen()->availableGeometry().width() - ScreenWidthMargin),
           sizeHint().height());
    selectRow(rows - 1);
}
