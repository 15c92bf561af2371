#include "forms/tformdistr.h"

#include "base/byte_view.h"
#include "forms/table_dialog_parts.h"
#include "tables/hourly_mean_period.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 400;
constexpr int DialogHeight = 148;
} // namespace

TFormDistr::TFormDistr(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent)
    : QDialog(parent), table_(table), person_(person)
{
    resize(DialogWidth, DialogHeight);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Период записи средних за час\nзначений параметров газа в ВРГ"), this));
    period_ = new QComboBox(this);
    period_->setObjectName(QStringLiteral("period"));
    period_->addItems(hourlyMeanPeriodItems());
    period_->setCurrentIndex(hourlyMeanPeriodChoice(byteView(table)));
    row->addWidget(period_);
    row->addWidget(new QLabel(QStringLiteral("ч"), this));
    layout->addLayout(row);
    layout->addLayout(acceptCancelRow(*this, editing, [this] { store(); }));
}

void TFormDistr::store()
{
    const int period = period_->currentIndex();
    if (storeChecked(table_, person_, [&](QByteArray& bytes) { return applyHourlyMeanPeriod(period, bytes); }))
        accept();
}
