#pragma once

#include "app/report_windows.h"

#include <QByteArray>
#include <functional>

class QWidget;

// Printing's windows over Qt: the print-choice dialog or the report dialog
// "Данные в отчете", then the print preview, whose printer button chooses the
// printer and prints, and whose "Сохранить в PDF" hands the same document as
// PDF bytes to `savePdf`; or printing at once on the default printer.
class PrintoutPreview : public ReportWindows {
public:
    PrintoutPreview(QWidget* parent, std::function<void(const QByteArray& pdf)> savePdf);

    std::optional<QString> choosePrinting(const DocumentTitle& title, const QString& organisation) override;
    bool showPrintout(const ReportDocument& document) override;
    Choice chooseOutput(const QStringList& lines) override;
    bool printNow(const ReportDocument& document) override;

private:
    QWidget* parent_;
    std::function<void(const QByteArray&)> savePdf_;
};
