#pragma once

#include "app/spreadsheet_report_windows.h"
#include "settings/object_list.h"

#include <functional>

class Operator;
class QWidget;

// The windows of the spreadsheet report commands: the report date dialog over
// the program's object list, which it may change and write to "objects.ini";
// the main window's message timer.
class SpreadsheetReportDialogs : public SpreadsheetReportWindows {
public:
    SpreadsheetReportDialogs(ObjectList& objects, QString objectsFile, Operator& person, QWidget* parent,
                             std::function<void()> startMessageTimer);

    std::optional<SpreadsheetReportChoice> chooseSpreadsheetReport(SpreadsheetReportKind kind,
                                                                   const ArchiveBounds& dayArchive) override;
    void startMessageTimer() override { startMessageTimer_(); }

private:
    ObjectList& objects_;
    QString objectsFile_;
    Operator& person_;
    QWidget* parent_;
    std::function<void()> startMessageTimer_;
};
