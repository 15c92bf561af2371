#pragma once

#include "app/print_windows.h"

#include <QByteArray>
#include <functional>

class QWidget;

// Printing's windows over Qt: the print-choice dialog, then the print preview,
// whose printer button chooses the printer and prints, and whose "Сохранить в
// PDF" hands the same document as PDF bytes to `savePdf`.
class PrintoutPreview : public PrintWindows {
public:
    PrintoutPreview(QWidget* parent, std::function<void(const QByteArray& pdf)> savePdf);

    std::optional<QString> choosePrinting(const DocumentTitle& title, const QString& organisation) override;
    bool showPrintout(const ReportDocument& document) override;

private:
    QWidget* parent_;
    std::function<void(const QByteArray&)> savePdf_;
};
