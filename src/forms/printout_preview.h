#pragma once

#include "app/report_windows.h"

#include <QByteArray>
#include <functional>

class Operator;
class QWidget;

// Printing's windows over Qt: the print-choice dialog or the report dialog
// "Данные в отчете", then the print preview, whose printer button chooses the
// printer and prints, and whose "Сохранить в PDF" hands the same document as
// PDF bytes to `savePdf`; or printing at once on the default printer or on
// the printer chosen in the printer dialog; and the day of a daily report.
class PrintoutPreview : public ReportWindows {
public:
    PrintoutPreview(QWidget* parent, Operator& person, std::function<void(const QByteArray& pdf)> savePdf);

    std::optional<QString> choosePrinting(const DocumentTitle& title, const QString& organisation) override;
    bool showPrintout(const ReportDocument& document) override;
    Choice chooseOutput(const QStringList& lines) override;
    bool printNow(const ReportDocument& document) override;
    bool printOnChosenPrinter(const ReportDocument& document) override;
    std::optional<QDate> chooseReportDay(const ArchiveBounds& bounds, const QDate& preset) override;

private:
    QWidget* parent_;
    Operator& person_;
    std::function<void(const QByteArray&)> savePdf_;
};
