#pragma once

#include "app/pc_clock.h"
#include "archives/archive_file.h"
#include "archives/archive_grid_model.h"
#include "archives/archive_table.h"
#include "archives/trend_set_points.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class Operator;
class QHBoxLayout;
class QPushButton;
class QTableView;
class WorkDirectory;

// What a viewer needs besides the archive: how to present gas values, where to
// save, whom to ask, and the PC's date for the proposed file name.
struct ArchiveViewerContext {
    const ReportSettings& settings;
    const WorkDirectory& directory;
    Operator& person;
    PcClock pcClock;
    // The set-points of the connected controller for the trend chart; none when not connected.
    std::function<std::optional<GasSetPointLevels>()> controllerSetPoints = {};
};

// The frame the four archive viewers share: the left table of stamps and states
// and the table of values beside it, scrolling together; "Сохранить в файле",
// "Печать", "График" (the trend chart of the values) and "Выход". Ctrl+S shows or hides the status columns (the service
// view); in the service view a double click on a chromatograph record opens its status dialog.
class ArchiveViewer : public QDialog {
    Q_OBJECT
public:
    QTableView& statusView() { return *statusView_; }
    QTableView& valueView() { return *valueView_; }
    const ArchiveTable& table() const { return *table_; }
    bool serviceView() const { return serviceView_; }

protected:
    // `file` is saved as it is, so it must outlive the window (a modal viewer's caller keeps it).
    ArchiveViewer(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent);

    // Selects the row and brings it into view in both tables.
    void selectRow(int row);
    // The height of the tables' header and of `rows` rows.
    int tableHeight(int rows) const;
    // The width both tables need for all their columns.
    int tablesWidth() const;
    // The width the window needs besides the tables.
    int aroundTablesWidth() const;
    // The moisture-meter viewers' size: 720 pixels wide, as high as the rows
    // need but within the screen less 60 pixels, in whole rows.
    void fitMoistureWindow();
    // "Сохранить в формате Excel", before "Выход": the chromatograph viewers' export.
    void addWorkbookExport();
    // A button of the viewer's own, before "Выход".
    QPushButton* addButton(const QString& text);
    // The row selected in the tables; none before the operator chose one.
    std::optional<int> selectedRow() const;
    const ArchiveFile& file() const { return file_; }
    const ArchiveViewerContext& context() const { return context_; }

private:
    void toggleServiceView();
    void showRecordStatus(int row);
    void save();
    void exportWorkbook();
    void print();
    void showTrends();

    const ArchiveFile& file_;
    ArchiveViewerContext context_;
    std::unique_ptr<ArchiveTable> table_;
    ArchiveGridModel* statusModel_ = nullptr;
    ArchiveGridModel* valueModel_ = nullptr;
    QTableView* statusView_ = nullptr;
    QTableView* valueView_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    bool serviceView_ = false;
};
