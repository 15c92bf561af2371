#pragma once

#include "app/print_windows.h"

#include <QStringList>

// What the print loop of a report asks of the windows around it besides the preview.
class ReportWindows : public PrintWindows {
public:
    enum class Choice { Exit, Preview, Print };

    // The dialog "Данные в отчете" under the document's lines.
    virtual Choice chooseOutput(const QStringList& lines) = 0;
    // Prints the document at once on the default printer; false when it could not be painted.
    virtual bool printNow(const ReportDocument& document) = 0;
};
