#pragma once

#include "app/log_windows.h"
#include "app/pc_clock.h"

#include <QDialog>

class LogGridModel;
class Operator;
class QTableView;
class WorkDirectory;

// What a log viewer needs besides the log: where to save, whom to ask, and
// the PC's date for the proposed file name.
struct LogViewerContext {
    const WorkDirectory& directory;
    Operator& person;
    PcClock pcClock;
};

// The window of a log (`TFormAud` for interventions, `TFormAla` for
// diagnostics): the caption of how it was read, the grid of its rows with the
// last one selected, the panel that tells of damaged records, "Сохранить в
// файле", "Печать" and "Выход".
class LogViewer : public QDialog {
    Q_OBJECT
public:
    // `view` must outlive the window (a modal viewer's caller keeps it).
    LogViewer(const LogView& view, const LogViewerContext& context, QWidget* parent);

    QTableView& grid() { return *grid_; }

private:
    void save();
    void print();

    const LogView& view_;
    LogViewerContext context_;
    QTableView* grid_ = nullptr;
};

// Opens the viewer of the log, modal, and returns when it closes.
void showLogViewer(const LogView& view, const LogViewerContext& context, QWidget* parent);
