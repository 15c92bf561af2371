#include "reports/document_painter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr double FrameLineWidth = 0.2; // mm
constexpr int PdfResolution = 600;     // dpi: fine enough for 7-point figures

QFont fontOf(const ReportFont& font)
{
    QFont result(font.face == ReportTypeface::Serif ? QStringLiteral("Liberation Serif")
                                                    : QStringLiteral("Liberation Sans"));
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    return result;
}

class BandPainter {
public:
    BandPainter(QPainter& painter, const QPagedPaintDevice& device)
        : painter_(painter), perMmX_(device.logicalDpiX() / MillimetresPerInch),
          perMmY_(device.logicalDpiY() / MillimetresPerInch)
    {
        QPen pen(Qt::black);
        pen.setWidthF(FrameLineWidth * perMmX_);
        painter_.setPen(pen);
    }

    void paint(const ReportBand& band, double top)
    {
        painter_.setFont(fontOf(band.font));
        for (const ReportCell& cell : band.cells) {
            const QRectF box = onDevice(cell.box.translated(ReportPaper::LeftMargin, top));
            if (cell.framed)
                painter_.drawRect(box);
            if (!cell.text.isEmpty())
                painter_.drawText(box, static_cast<int>(cell.alignment), cell.text);
        }
    }

private:
    QRectF onDevice(const QRectF& mm) const
    {
        return {mm.x() * perMmX_, mm.y() * perMmY_, mm.width() * perMmX_, mm.height() * perMmY_};
    }

    QPainter& painter_;
    double perMmX_;
    double perMmY_;
};

} // namespace

bool paintDocument(const ReportDocument& document, QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    BandPainter bands(painter, device);
    for (qsizetype index = 0; index < document.pages.size(); ++index) {
        if (index > 0 && !device.newPage())
            return false;
        const ReportPage& page = document.pages[index];
        double top = ReportPaper::TopMargin;
        for (const ReportBand& band : page.bands) {
            bands.paint(band, top);
            top += band.height;
        }
        bands.paint(page.footer, ReportPaper::Height - ReportPaper::BottomMargin - page.footer.height);
    }
    return painter.end();
}

QByteArray documentPdf(const ReportDocument& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setCreator(QStringLiteral("gqc_Monitor"));
        if (!paintDocument(document, writer))
            return {};
    }
    return buffer.data();
}
