#include "forms/log_viewer.h"

#include "app/log_commands.h"
#include "app/log_printing.h"
#include "forms/printout_preview.h"
#include "logs/log_grid_model.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int ViewerWidth = 810;
constexpr int ScreenHeightMargin = 60;
constexpr int HeadingLines = 3;

} // namespace

LogViewer::LogViewer(const LogView& view, const LogViewerContext& context, QWidget* parent)
    : QDialog(parent), view_(view), context_(context)
{
    setObjectName(view.table.kind == LogKind::Interventions ? QStringLiteral("TFormAud") : QStringLiteral("TFormAla"));
    setWindowTitle(logCaption(view.table, view.mode, view.firstIndex));
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setModel(new LogGridModel(view.table, this));
    // Cells are aligned by their blanks, as the decoded texts expect.
    grid_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int rowHeight = grid_->fontMetrics().height() + 4;
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->horizontalHeader()->setMinimumHeight(HeadingLines * grid_->fontMetrics().height() + 6);
    grid_->resizeColumnsToContents();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    if (view.table.anyDamaged()) {
        auto* panel = new QLabel(QStringLiteral("  ***  Данные в записи недостоверны (не совпадает КС)"), this);
        panel->setObjectName(QStringLiteral("damagedPanel"));
        layout->addWidget(panel);
    }
    auto* buttons = new QHBoxLayout;
    auto* saveButton = new QPushButton(QStringLiteral("Сохранить в файле"), this);
    auto* printButton = new QPushButton(QStringLiteral("Печать"), this);
    auto* closeButton = new QPushButton(QStringLiteral("Выход"), this);
    buttons->addWidget(saveButton);
    buttons->addWidget(printButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(saveButton, &QPushButton::clicked, this, &LogViewer::save);
    connect(printButton, &QPushButton::clicked, this, &LogViewer::print);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    // As high as the rows need, within the screen less a margin, in whole rows.
    const int screenHeight = screen() ? screen()->availableGeometry().height() : 768;
    const int around = sizeHint().height() - grid_->sizeHint().height();
    const int heading = grid_->horizontalHeader()->minimumHeight();
    const int fitting = std::max(1, (screenHeight - ScreenHeightMargin - around - heading) / rowHeight);
    const int rows = std::min(static_cast<int>(view.table.rows.size()), fitting);
    resize(ViewerWidth, around + heading + rows * rowHeight + 2 * grid_->frameWidth());

    if (!view.table.rows.isEmpty()) {
        const int last = static_cast<int>(view.table.rows.size()) - 1;
        grid_->selectRow(last);
        grid_->scrollTo(grid_->model()->index(last, 0));
    }
}

void LogViewer::save()
{
    saveLog(context_.person, context_.directory, view_.table, context_.pcClock().date());
}

void LogViewer::print()
{
    PrintoutPreview windows(this, context_.person, [this](const QByteArray& pdf) {
        saveLogPrintoutPdf(context_.person, context_.directory, view_.table, pdf, context_.pcClock().date());
    });
    printLog(context_.person, context_.directory, windows, view_.table);
}

void showLogViewer(const LogView& view, const LogViewerContext& context, QWidget* parent)
{
    LogViewer viewer(view, context, parent);
    viewer.exec();
}
