#include "forms/tformmom.h"

#include "app/current_data_reads.h"
#include "archives/current_data.h"
#include "forms/coloured_label.h"

#include <QGridLayout>
#include <QLabel>

TFormMom::TFormMom(RequestContext context, const ReportSettings& settings, const ComponentSlotMap& slotMap,
                   QWidget* parent)
    : LiveValuesWindow(context, QStringLiteral("Мгновенные данные хроматографа, зоны параметров газа"),
                       QStringLiteral("Время последнего опроса хроматографа"), currentGasRowLabels(settings), true,
                       parent),
      settings_(settings), slotMap_(slotMap)
{
    header_->addWidget(new QLabel(currentCalculationLabel(settings), this), 1, 0);
    resize(760, 562);
}

void TFormMom::tick()
{
    CurrentDataReads reads(context_);
    if (reads.readAnalysis()) {
        const QByteArray table = QByteArray(reinterpret_cast<const char*>(context_.image.table(30).data()),
                                            CurrentDataLayout::ChromatographBytes);
        time_->setText(currentDataTime(table));
        const auto texts = currentGasValueTexts(table, settings_, slotMap_);
        for (std::size_t slot = 0; slot < texts.size(); ++slot)
            values_[slot]->setText(texts[slot]);
    }
    if (!proceed() || !reads.readZones())
        return;
    const auto codes = context_.image.table(32);
    for (int slot = 0; slot < GasParamsSize; ++slot) {
        if (const auto zone = zoneCell(slot, codes[static_cast<std::size_t>(slot)]))
            showColoured(*zones_[static_cast<std::size_t>(slot)], *zone);
    }
}
