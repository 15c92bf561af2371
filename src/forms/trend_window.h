#pragma once

#include "archives/trend_set_points.h"

#include <QDialog>
#include <functional>
#include <optional>

class Operator;
class QAbstractItemModel;
class QCheckBox;
class QListWidget;
class TrendChartView;
class WorkDirectory;

// Where the set-points drawn on a trend chart may come from: the connected
// controller (none when not connected) and the operator.
struct TrendWindowContext {
    Operator& person;
    const WorkDirectory& directory;
    std::function<std::optional<GasSetPointLevels>()> controllerSetPoints;
};

// The trend chart of the records an archive viewer shows: the operator checks
// the parameters to draw in the list beside the chart; the controller's
// set-points (when connected) or those of a configuration file are drawn as
// levels; the chart is saved as a PNG image or a PDF.
class TrendWindow : public QDialog {
    Q_OBJECT
public:
    // `values` is the viewer's model of values and must outlive the window.
    TrendWindow(const QAbstractItemModel& values, const QString& caption, TrendWindowContext context,
                QWidget* parent = nullptr);

    QListWidget& parameterList() { return *parameters_; }
    TrendChartView& chartView() { return *view_; }

private:
    void redraw();
    // Draws `levels` from now on; none: no levels to draw.
    void useLevels(std::optional<GasSetPointLevels> levels);
    void takeControllerSetPoints();
    void openConfiguration();
    void saveChart();

    const QAbstractItemModel& values_;
    QString caption_;
    TrendWindowContext context_;
    QList<TrendColumn> columns_;
    std::optional<GasSetPointLevels> levels_;
    QListWidget* parameters_ = nullptr;
    QCheckBox* showLevels_ = nullptr;
    TrendChartView* view_ = nullptr;
};
