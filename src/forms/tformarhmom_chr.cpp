#include "forms/tformarhmom_chr.h"

#include "app/archive_printing.h"
#include "app/passport_printing.h"
#include "forms/printout_preview.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

namespace {
constexpr int ScreenWidthMargin = 20;
constexpr int ScreenHeightMargin = 60;
} // namespace

TFormArhMom_Chr::TFormArhMom_Chr(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent)
    : ArchiveViewer(file, context, parent)
{
    connect(addButton(QStringLiteral("Печать 1 анализа")), &QPushButton::clicked, this,
            &TFormArhMom_Chr::printPassport);
    addWorkbookExport();
    const QRect screenArea = screen()->availableGeometry();
    int width = tablesWidth() + aroundTablesWidth();
    // Whole columns go out of sight, the last first, until the window fits the screen.
    for (int column = valueView().model()->columnCount() - 1;
         column > 0 && width > screenArea.width() - ScreenWidthMargin; --column)
        width -= valueView().columnWidth(column);
    resize(width, screenArea.height() - ScreenHeightMargin);
}

void TFormArhMom_Chr::printPassport()
{
    PrintoutPreview windows(this, context().person, [this](const QByteArray& pdf) {
        savePrintoutPdf(context().person, context().directory, file(), pdf, context().pcClock().date());
    });
    printAnalysisPassport(context().person, context().directory, windows, file(),
                          dynamic_cast<const ChromMomentTable&>(table()), selectedRow(), context().settings);
}
