#include "forms/archive_viewer.h"

#include "app/archive_file_commands.h"
#include "app/archive_printing.h"
#include "forms/printout_preview.h"
#include "forms/tformchromerror.h"
#include "forms/trend_window.h"

#include <QAction>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int CaptionLines = 4;
constexpr int MoistureWindowWidth = 720;
constexpr int ScreenHeightMargin = 60;

QTableView* gridView(ArchiveGridModel* model, QWidget* parent, const QString& name)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    // Cells are aligned by their blanks, as the controller's texts expect.
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    // Every row as high as the first: a long archive needs no measuring of its rows.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setMinimumHeight(CaptionLines * view->fontMetrics().height() + 6);
    view->resizeColumnsToContents();
    return view;
}

int columnsWidth(const QTableView& view)
{
    int width = 0;
    for (int column = 0; column < view.model()->columnCount(); ++column)
        if (!view.isColumnHidden(column))
            width += view.columnWidth(column);
    return width + 2 * view.frameWidth();
}

} // namespace

ArchiveViewer::ArchiveViewer(const ArchiveFile& file, const ArchiveViewerContext& context, QWidget* parent)
    : QDialog(parent), file_(file), context_(context), table_(ArchiveTable::of(file, context.settings))
{
    setWindowTitle(table_->caption());
    statusModel_ = new ArchiveGridModel(*table_, ArchiveGridModel::Side::Status, this);
    valueModel_ = new ArchiveGridModel(*table_, ArchiveGridModel::Side::Values, this);
    statusView_ = gridView(statusModel_, this, QStringLiteral("statusView"));
    valueView_ = gridView(valueModel_, this, QStringLiteral("valueView"));
    for (const int column : table_->serviceColumns())
        statusView_->setColumnHidden(column, true);
    // The left table scrolls with the values; its own bar would only repeat theirs.
    statusView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    statusView_->setFixedWidth(columnsWidth(*statusView_));
    valueView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(valueView_->verticalScrollBar(), &QScrollBar::valueChanged, statusView_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(statusView_->verticalScrollBar(), &QScrollBar::valueChanged, valueView_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(statusView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { selectRow(current.row()); });
    connect(valueView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { selectRow(current.row()); });
    for (QTableView* view : {statusView_, valueView_})
        connect(view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
            if (serviceView_)
                showRecordStatus(index.row());
        });

    auto* tables = new QHBoxLayout;
    tables->setSpacing(0);
    tables->addWidget(statusView_);
    tables->addWidget(valueView_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tables, 1);
    if (!table_->methodLabel().isEmpty())
        layout->addWidget(new QLabel(table_->methodLabel(), this));

    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    auto* saveButton = new QPushButton(QStringLiteral("Сохранить в файле"), this);
    closeButton_ = new QPushButton(QStringLiteral("Выход"), this);
    connect(saveButton, &QPushButton::clicked, this, &ArchiveViewer::save);
    auto* printButton = new QPushButton(QStringLiteral("Печать"), this);
    connect(printButton, &QPushButton::clicked, this, &ArchiveViewer::print);
    auto* trendButton = new QPushButton(QStringLiteral("График"), this);
    trendButton->setObjectName(QStringLiteral("trendButton"));
    connect(trendButton, &QPushButton::clicked, this, &ArchiveViewer::showTrends);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    buttons_->addWidget(saveButton);
    buttons_->addWidget(printButton);
    buttons_->addWidget(trendButton);
    buttons_->addWidget(closeButton_);
    layout->addLayout(buttons_);

    if (!table_->serviceColumns().isEmpty()) {
        auto* serviceToggle = new QAction(this);
        serviceToggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        connect(serviceToggle, &QAction::triggered, this, &ArchiveViewer::toggleServiceView);
        addAction(serviceToggle);
    }
}

void ArchiveViewer::selectRow(int row)
{
    if (row < 0)
        return;
    for (QTableView* view : {statusView_, valueView_})
        if (view->currentIndex().row() != row)
            view->selectRow(row);
    valueView_->scrollTo(valueModel_->index(row, 0));
}

int ArchiveViewer::tableHeight(int rows) const
{
    return valueView_->horizontalHeader()->minimumHeight() + rows * valueView_->verticalHeader()->defaultSectionSize() +
           valueView_->horizontalScrollBar()->sizeHint().height() + 2 * valueView_->frameWidth();
}

int ArchiveViewer::tablesWidth() const
{
    return statusView_->width() + columnsWidth(*valueView_) + valueView_->verticalScrollBar()->sizeHint().width();
}

int ArchiveViewer::aroundTablesWidth() const
{
    const QMargins margins = layout()->contentsMargins();
    return margins.left() + margins.right();
}

void ArchiveViewer::fitMoistureWindow()
{
    const int aroundTables = sizeHint().height() - valueView_->sizeHint().height();
    const int rowHeight = valueView_->verticalHeader()->defaultSectionSize();
    const int fitting =
        (screen()->availableGeometry().height() - ScreenHeightMargin - aroundTables - tableHeight(0)) / rowHeight;
    resize(MoistureWindowWidth, aroundTables + tableHeight(std::clamp(table_->rowCount(), 0, fitting)));
}

void ArchiveViewer::addWorkbookExport()
{
    connect(addButton(QStringLiteral("Сохранить в формате Excel")), &QPushButton::clicked, this,
            &ArchiveViewer::exportWorkbook);
}

QPushButton* ArchiveViewer::addButton(const QString& text)
{
    auto* button = new QPushButton(text, this);
    buttons_->insertWidget(buttons_->indexOf(closeButton_), button);
    return button;
}

std::optional<int> ArchiveViewer::selectedRow() const
{
    const QModelIndexList rows = valueView_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first().row();
}

void ArchiveViewer::toggleServiceView()
{
    serviceView_ = !serviceView_;
    for (const int column : table_->serviceColumns())
        statusView_->setColumnHidden(column, !serviceView_);
    statusView_->setFixedWidth(columnsWidth(*statusView_));
}

void ArchiveViewer::showRecordStatus(int row)
{
    const std::optional<RecordStatus> status = table_->recordStatus(row);
    if (!status)
        return;
    TFormChromError dialog(status->mode, status->flags, status->statusWord, this);
    dialog.setWindowTitle(status->caption);
    dialog.exec();
}

void ArchiveViewer::save()
{
    saveArchive(context_.person, context_.directory, file_, context_.pcClock().date());
}

void ArchiveViewer::exportWorkbook()
{
    // The viewer waits for the workbook, as the main window does.
    setEnabled(false);
    exportArchiveWorkbook(context_.person, context_.directory, file_, *table_, context_.pcClock().date());
    setEnabled(true);
}

void ArchiveViewer::print()
{
    PrintoutPreview windows(this, context_.person, [this](const QByteArray& pdf) {
        savePrintoutPdf(context_.person, context_.directory, file_, pdf, context_.pcClock().date());
    });
    printArchive(context_.person, context_.directory, windows, file_, *table_, context_.settings);
}

void ArchiveViewer::showTrends()
{
    TrendWindow window(*valueModel_, table_->caption(),
                       {context_.person, context_.directory, context_.controllerSetPoints}, this);
    window.exec();
}
