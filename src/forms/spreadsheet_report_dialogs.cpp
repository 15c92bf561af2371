#include "forms/spreadsheet_report_dialogs.h"

#include "forms/tformexcrep_date.h"

SpreadsheetReportDialogs::SpreadsheetReportDialogs(ObjectList& objects, QString objectsFile, Operator& person,
                                                   QWidget* parent, std::function<void()> startMessageTimer)
    : objects_(objects), objectsFile_(std::move(objectsFile)), person_(person), parent_(parent),
      startMessageTimer_(std::move(startMessageTimer))
{
}

std::optional<SpreadsheetReportChoice>
SpreadsheetReportDialogs::chooseSpreadsheetReport(SpreadsheetReportKind kind, const ArchiveBounds& dayArchive)
{
    TFormExcRep_Date dialog(kind, dayArchive, objects_, objectsFile_, person_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}
