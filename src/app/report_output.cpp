#include "app/report_output.h"

void offerReportOutput(Operator& person, ReportWindows& windows, const QStringList& lines,
                       const ReportDocument& document, PrintRoute route)
{
    for (;;) {
        const ReportWindows::Choice choice = windows.chooseOutput(lines);
        if (choice == ReportWindows::Choice::Exit)
            return;
        bool painted = false;
        if (choice == ReportWindows::Choice::Preview)
            painted = windows.showPrintout(document);
        else if (route == PrintRoute::DefaultPrinter)
            painted = windows.printNow(document);
        else
            painted = windows.printOnChosenPrinter(document);
        if (!painted)
            person.message(MessageKind::Error, QStringLiteral("Ошибка печати данных"));
    }
}
