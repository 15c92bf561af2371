#include "forms/tformmomwmt.h"

#include "app/current_data_reads.h"
#include "archives/current_data.h"

#include <QLabel>

namespace {

constexpr int Width = 676;
constexpr int FourRowHeight = 232;
constexpr int FiveRowHeight = 256;

} // namespace

TFormMomWmt::TFormMomWmt(RequestContext context, std::uint8_t meterType, QWidget* parent)
    : LiveValuesWindow(context, QStringLiteral("Мгновенные данные влагомера"),
                       QStringLiteral("Время последнего опроса влагомера"), moistureRowLabels(meterType), false,
                       parent),
      meterType_(meterType)
{
    resize(Width, values_.size() == 4 ? FourRowHeight : FiveRowHeight);
}

void TFormMomWmt::tick()
{
    if (!CurrentDataReads(context_).readMoistureValues())
        return;
    const QByteArray table(reinterpret_cast<const char*>(context_.image.table(37).data()),
                           CurrentDataLayout::MoistureBytes);
    time_->setText(currentDataTime(table));
    const QStringList texts = moistureValueTexts(table, meterType_);
    for (std::size_t row = 0; row < values_.size(); ++row)
        values_[row]->setText(texts[static_cast<int>(row)]);
}
