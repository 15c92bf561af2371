#include "reports/archive_printout.h"

#include "archives/wmt_value_text.h"
#include "gas/component_slot_map.h"
#include "gas/gas_value_text.h"
#include "reports/page_frame.h"
#include "reports/print_kind.h"
#include "reports/printout_parts.h"

namespace {

constexpr ReportFont CellFont{ReportTypeface::Sans, 7.0, false};
constexpr ReportFont MethodFont{ReportTypeface::Serif, 10.0, false};
constexpr double RowHeight = 2.9;   // mm: 85 rows and the captions fill a page
constexpr double CaptionLine = 3.0; // the captions have four lines
constexpr double CaptionLines = 4;
constexpr double MethodLine = 4.5;
constexpr double DateWidth = 16.0;
constexpr double TimeWidth = 14.0;
constexpr double StateWidth = 20.0;
constexpr int ValuesPerTable = 10;

// A column of stamps or states left of the values: the viewer's column it
// prints, its caption lines and, over it, the caption of its group of columns.
struct StampColumn {
    int column;
    QStringList caption;
    double width;
    QString group;
};

QList<StampColumn> stampColumns(RecordLayout layout)
{
    const QString date = QStringLiteral("Дата");
    const QString time = QStringLiteral("Время");
    const QStringList controllerState{QStringLiteral("Статус"), QStringLiteral("контроллера")};
    switch (layout) {
    case RecordLayout::ChromInterval:
        return {{0, {date}, DateWidth, QStringLiteral("Начало")},
                {1, {time}, TimeWidth, QStringLiteral("Начало")},
                {2, {time}, TimeWidth, QStringLiteral("Конец")}};
    case RecordLayout::ChromMoment:
        return {{0, {date}, DateWidth, {}}, {1, {time}, TimeWidth, {}}};
    case RecordLayout::WmtMoment:
        return {{0, {date}, DateWidth, {}},
                {1, {time}, TimeWidth, {}},
                {2, controllerState, StateWidth, {}},
                {3,
                 {QStringLiteral("Признаки"), QStringLiteral("состояния"), QStringLiteral("влагомера")},
                 StateWidth,
                 {}}};
    case RecordLayout::WmtInterval:
        break;
    }
    return {{0, {date}, DateWidth, {}},
            {1, {time, QStringLiteral("начала")}, TimeWidth, {}},
            {2, {time, QStringLiteral("конца")}, TimeWidth, {}},
            {3, controllerState, StateWidth, {}}};
}

// Lays out the parts of one archive table page by page.
class PrintoutBuilder {
public:
    PrintoutBuilder(const ArchiveFile& file, const ArchiveTable& table, const ReportSettings& settings,
                    const QString& organisation)
        : table_(table), settings_(settings),
          chromatograph_(archiveKindInfo(file.records.kind()).device == ArchiveDevice::Chromatograph),
          slotMap_(ComponentSlotMap().forChromatographType(file.header.chromatographType())),
          head_(pageHeadBands(archivePageHead(file.header, printKindOf(file.records.kind()), organisation))),
          stamps_(stampColumns(archiveKindInfo(file.records.kind()).layout))
    {
        for (const StampColumn& stamp : stamps_)
            stampsWidth_ += stamp.width;
    }

    ReportDocument document()
    {
        const QList<PrintoutPart> parts = printoutParts(table_.rowCount());
        ReportDocument document;
        for (qsizetype part = 0; part < parts.size(); ++part)
            for (int first = 0; first < table_.valueCaptions().size(); first += ValuesPerTable) {
                ReportPage page;
                if (first == 0)
                    page.bands = head_;
                addTable(page, parts[part], first);
                page.footer = pageFooterBand(static_cast<int>(part) + 1, static_cast<int>(parts.size()));
                document.pages.append(page);
            }
        return document;
    }

private:
    // The value columns of the table that starts with column `first`.
    int valueCount(int first) const
    {
        return std::min(ValuesPerTable, static_cast<int>(table_.valueCaptions().size()) - first);
    }

    double valueWidth(int first) const { return (ReportPaper::TextWidth - stampsWidth_) / valueCount(first); }

    void addTable(ReportPage& page, const PrintoutPart& part, int first) const
    {
        page.bands.append(captionBand(first));
        for (int row = part.first; row < part.first + part.count; ++row)
            page.bands.append(rowBand(
                first, [&](int column) { return table_.statusText(row, column); },
                [&](int column) { return table_.valueText(row, column); }));
        if (part.summary)
            page.bands.append(summaryBands(first));
    }

    ReportBand captionBand(int first) const
    {
        ReportBand band{CaptionLine * CaptionLines, CellFont, {}};
        double x = 0;
        for (qsizetype index = 0; index < stamps_.size(); ++index) {
            const StampColumn& stamp = stamps_[index];
            double below = 0;
            if (!stamp.group.isEmpty()) {
                below = CaptionLine;
                if (index == 0 || stamps_[index - 1].group != stamp.group)
                    band.cells.append(
                        {QRectF(x, 0, groupWidth(index), CaptionLine), stamp.group, Qt::AlignCenter, true});
            }
            band.cells.append(
                {QRectF(x, below, stamp.width, band.height - below), stamp.caption.join('\n'), Qt::AlignCenter, true});
            x += stamp.width;
        }
        for (int column = first; column < first + valueCount(first); ++column) {
            band.cells.append({QRectF(x, 0, valueWidth(first), band.height), table_.valueCaptions()[column].join('\n'),
                               Qt::AlignCenter, true});
            x += valueWidth(first);
        }
        return band;
    }

    double groupWidth(qsizetype index) const
    {
        double width = 0;
        for (qsizetype next = index; next < stamps_.size() && stamps_[next].group == stamps_[index].group; ++next)
            width += stamps_[next].width;
        return width;
    }

    template <class StampText, class ValueText>
    ReportBand rowBand(int first, const StampText& stampText, const ValueText& valueText) const
    {
        ReportBand band{RowHeight, CellFont, {}};
        double x = 0;
        for (const StampColumn& stamp : stamps_) {
            band.cells.append({QRectF(x, 0, stamp.width, RowHeight), stampText(stamp.column), Qt::AlignCenter, true});
            x += stamp.width;
        }
        for (int column = first; column < first + valueCount(first); ++column) {
            band.cells.append({QRectF(x, 0, valueWidth(first), RowHeight), valueText(column), Qt::AlignCenter, true});
            x += valueWidth(first);
        }
        return band;
    }

    QList<ReportBand> summaryBands(int first) const
    {
        QList<ReportBand> bands;
        if (!table_.means().none()) {
            ReportBand means = rowBand(
                first, [](int) { return QString(); }, [&](int column) { return meanText(column); });
            // The stamps' cells make one, for the row's name.
            means.cells.remove(0, stamps_.size());
            means.cells.prepend(
                {QRectF(0, 0, stampsWidth_, RowHeight), QStringLiteral("Средние значения"), Qt::AlignCenter, true});
            bands.append(means);
        }
        if (chromatograph_) {
            constexpr std::uint8_t ControllersMethod = 0; // the controller computes by the ISO standard
            const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
            bands.append(textLineBand(QStringLiteral("Расчет физико-химических показателей природного газа выполнен"),
                                      MethodFont, MethodLine, left));
            bands.append(textLineBand(settings_.calculationMethod() == ControllersMethod
                                          ? QStringLiteral("по ДСТУ ISO 6976:2009:")
                                          : QStringLiteral("по ГОСТ 22667-82 и ГОСТ 30319.1-96"),
                                      MethodFont, MethodLine, left));
        }
        return bands;
    }

    QString meanText(int column) const
    {
        if (!chromatograph_)
            return wmtValueText(static_cast<float>(table_.means().mean(column)));
        const int slot = slotMap_.slot(column);
        if (slot == ComponentSlotMap::NoSlot)
            return {};
        return gasValueText(table_.means().mean(slot), slot, settings_);
    }

    const ArchiveTable& table_;
    const ReportSettings& settings_;
    bool chromatograph_;
    ComponentSlotMap slotMap_;
    QList<ReportBand> head_;
    QList<StampColumn> stamps_;
    double stampsWidth_ = 0;
};

} // namespace

ReportDocument archivePrintout(const ArchiveFile& file, const ArchiveTable& table, const ReportSettings& settings,
                               const QString& organisation)
{
    return PrintoutBuilder(file, table, settings, organisation).document();
}
