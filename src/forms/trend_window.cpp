#include "forms/trend_window.h"

#include "app/configuration_files.h"
#include "base/save_report.h"
#include "charts/trend_chart.h"
#include "charts/trend_chart_file.h"
#include "charts/trend_chart_view.h"
#include "settings/work_directory.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int WindowWidth = 1100;
constexpr int WindowHeight = 650;
constexpr int ListWidth = 260;
} // namespace

TrendWindow::TrendWindow(const QAbstractItemModel& values, const QString& caption, TrendWindowContext context,
                         QWidget* parent)
    : QDialog(parent), values_(values), caption_(caption), context_(std::move(context)), columns_(trendColumns(values))
{
    setWindowTitle(QStringLiteral("График: ") + caption);
    resize(WindowWidth, WindowHeight);

    parameters_ = new QListWidget(this);
    parameters_->setObjectName(QStringLiteral("parameters"));
    parameters_->setFixedWidth(ListWidth);
    for (const TrendColumn& column : columns_) {
        auto* item = new QListWidgetItem(column.title(), parameters_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        // The first parameter is drawn at once, so that the window opens on a chart.
        item->setCheckState(parameters_->count() == 1 ? Qt::Checked : Qt::Unchecked);
    }
    connect(parameters_, &QListWidget::itemChanged, this, &TrendWindow::redraw);

    showLevels_ = new QCheckBox(QStringLiteral("Уставки"), this);
    showLevels_->setEnabled(false);
    connect(showLevels_, &QCheckBox::toggled, this, &TrendWindow::redraw);
    auto* fromController = new QPushButton(QStringLiteral("Уставки контроллера"), this);
    fromController->setEnabled(static_cast<bool>(context_.controllerSetPoints));
    connect(fromController, &QPushButton::clicked, this, &TrendWindow::takeControllerSetPoints);
    auto* fromFile = new QPushButton(QStringLiteral("Уставки из файла..."), this);
    connect(fromFile, &QPushButton::clicked, this, &TrendWindow::openConfiguration);

    auto* legend = new QLabel(QStringLiteral("▲ подстановка\n- - - уставки\n······ пределы записи в ВРГ"), this);
    auto* side = new QVBoxLayout;
    side->addWidget(parameters_, 1);
    side->addWidget(legend);
    side->addWidget(showLevels_);
    side->addWidget(fromController);
    side->addWidget(fromFile);

    view_ = new TrendChartView(this);
    view_->setObjectName(QStringLiteral("chart"));
    auto* main = new QHBoxLayout;
    main->addLayout(side);
    main->addWidget(view_, 1);

    auto* buttons = new QHBoxLayout;
    auto* showAll = new QPushButton(QStringLiteral("Показать всё"), this);
    connect(showAll, &QPushButton::clicked, view_, &TrendChartView::showAll);
    auto* save = new QPushButton(QStringLiteral("Сохранить график"), this);
    connect(save, &QPushButton::clicked, this, &TrendWindow::saveChart);
    auto* close = new QPushButton(QStringLiteral("Выход"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(showAll);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(main, 1);
    layout->addLayout(buttons);
    redraw();
}

void TrendWindow::redraw()
{
    QList<TrendPlot> plots;
    for (int row = 0; row < parameters_->count(); ++row) {
        if (parameters_->item(row)->checkState() != Qt::Checked)
            continue;
        const TrendColumn& column = columns_[row];
        const bool drawsLevels = levels_ && showLevels_->isChecked();
        plots << TrendPlot{trendSeries(values_, column), drawsLevels ? levels_->lines(column) : QList<SetPointLine>()};
    }
    view_->showChart(trendChart(caption_, plots));
}

void TrendWindow::useLevels(std::optional<GasSetPointLevels> levels)
{
    levels_ = std::move(levels);
    const QSignalBlocker quiet(showLevels_);
    showLevels_->setEnabled(levels_.has_value());
    showLevels_->setChecked(levels_.has_value());
    redraw();
}

void TrendWindow::takeControllerSetPoints()
{
    useLevels(context_.controllerSetPoints());
}

void TrendWindow::openConfiguration()
{
    const std::optional<ConfigRecord> record = loadConfiguration(context_.person, context_.directory);
    if (!record)
        return;
    useLevels(GasSetPointLevels::of(*record));
}

void TrendWindow::saveChart()
{
    const std::optional<QString> path = context_.person.chooseFile({FileChoice::Mode::Save,
                                                                    QStringLiteral("Сохранить график"),
                                                                    context_.directory.root(),
                                                                    QStringLiteral("Рисунок PNG (*.png);;PDF (*.pdf)"),
                                                                    QStringLiteral("trend.png"),
                                                                    {}});
    if (!path)
        return;
    const SaveResult saved = saveChartFile(*view_, *path);
    if (saved.failed())
        reportSaveFailure(context_.person, saved);
}
