#include "forms/printout_preview.h"

#include "forms/tformques_prn.h"
#include "forms/tformquesprn.h"
#include "forms/tformrepcreate.h"
#include "reports/document_painter.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

PrintoutPreview::PrintoutPreview(QWidget* parent, Operator& person, std::function<void(const QByteArray&)> savePdf)
    : parent_(parent), person_(person), savePdf_(std::move(savePdf))
{
}

std::optional<QString> PrintoutPreview::choosePrinting(const DocumentTitle& title, const QString& organisation)
{
    TFormQues_Prn dialog(title, organisation, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.organisation();
}

bool PrintoutPreview::showPrintout(const ReportDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    // The document is laid out from the paper's corner.
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer, parent_);
    preview.setWindowTitle(QStringLiteral("Предварительный просмотр"));
    bool painted = true;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { painted = paintDocument(document, *target) && painted; });
    auto* savePdf = new QAction(QStringLiteral("Сохранить в PDF"), &preview);
    savePdf->setObjectName(QStringLiteral("savePdf"));
    QObject::connect(savePdf, &QAction::triggered, &preview, [&] { savePdf_(documentPdf(document)); });
    if (auto* toolBar = preview.findChild<QToolBar*>())
        toolBar->addAction(savePdf);
    preview.exec();
    return painted;
}

ReportWindows::Choice PrintoutPreview::chooseOutput(const QStringList& lines)
{
    TFormQuesPrn dialog(lines, parent_);
    dialog.exec();
    return dialog.choice();
}

bool PrintoutPreview::printNow(const ReportDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    return paintDocument(document, printer);
}

bool PrintoutPreview::printOnChosenPrinter(const ReportDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return true;
    return paintDocument(document, printer);
}

std::optional<QDate> PrintoutPreview::chooseReportDay(const ArchiveBounds& bounds, const QDate& preset)
{
    TFormRepCreate dialog(bounds, preset, person_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.day();
}
