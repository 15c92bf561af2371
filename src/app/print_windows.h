#pragma once

#include "reports/print_kind.h"
#include "reports/report_document.h"

#include <QString>
#include <optional>

// What printing asks of the windows around it.
class PrintWindows {
public:
    virtual ~PrintWindows() = default;

    // The print-choice dialog on the document's title lines with the
    // organisation's name preset; the name the operator confirmed, none when
    // he cancelled.
    virtual std::optional<QString> choosePrinting(const DocumentTitle& title, const QString& organisation) = 0;
    // The document in the print preview, from where it is printed or saved;
    // false when it could not be painted.
    virtual bool showPrintout(const ReportDocument& document) = 0;
};
