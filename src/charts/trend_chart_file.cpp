#include "charts/trend_chart_file.h"

#include <QBuffer>
#include <QChartView>
#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr int ScreenDpi = 96;
}

ChartFileFormat chartFileFormat(const QString& path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? ChartFileFormat::Pdf : ChartFileFormat::Png;
}

QByteArray chartFileBytes(QChartView& view, ChartFileFormat format)
{
    // A chart lays itself out for its view's size on events of its own; a view
    // never shown (gqc_cli's) gets them only once it is, off the screen.
    if (!view.isVisible()) {
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.show();
    }
    QCoreApplication::processEvents();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ChartFileFormat::Png) {
        QImage image(view.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        view.render(&painter);
        painter.end();
        image.save(&buffer, "PNG");
        return bytes;
    }
    QPdfWriter pdf(&buffer);
    pdf.setResolution(ScreenDpi);
    const QSizeF points = QSizeF(view.size()) * 72.0 / ScreenDpi;
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&pdf);
    painter.setRenderHint(QPainter::Antialiasing);
    view.render(&painter);
    painter.end();
    return bytes;
}

SaveResult saveChartFile(QChartView& view, const QString& path)
{
    return replaceFile(path, {chartFileBytes(view, chartFileFormat(path))});
}
