#include "charts/trend_chart_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {
constexpr qreal WheelZoom = 1.25;
constexpr qreal KeyStep = 20; // pixels an arrow key moves the view
} // namespace

TrendChartView::TrendChartView(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
    setFocusPolicy(Qt::StrongFocus);
}

void TrendChartView::showChart(std::unique_ptr<QChart> chart)
{
    QChart* old = this->chart();
    setChart(chart.release());
    delete old;
}

void TrendChartView::showAll()
{
    chart()->zoomReset();
}

void TrendChartView::wheelEvent(QWheelEvent* event)
{
    const qreal factor = event->angleDelta().y() > 0 ? WheelZoom : 1 / WheelZoom;
    // Zoom around the pointer: the point under it stays where it is.
    const QRectF area = chart()->plotArea();
    const QPointF pointer = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    QRectF zoomed(0, 0, area.width() / factor, area.height() / factor);
    zoomed.moveCenter(pointer + (area.center() - pointer) / factor);
    chart()->zoomIn(zoomed);
    event->accept();
}

void TrendChartView::mousePressEvent(QMouseEvent* event)
{
    const bool pans = event->button() == Qt::MiddleButton ||
                      (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (!pans) {
        QChartView::mousePressEvent(event);
        return;
    }
    panning_ = true;
    lastPan_ = event->position();
    setCursor(Qt::ClosedHandCursor);
    event->accept();
}

void TrendChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (!panning_) {
        QChartView::mouseMoveEvent(event);
        return;
    }
    const QPointF moved = event->position() - lastPan_;
    lastPan_ = event->position();
    chart()->scroll(-moved.x(), moved.y());
    event->accept();
}

void TrendChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!panning_) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    panning_ = false;
    unsetCursor();
    event->accept();
}

void TrendChartView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        chart()->scroll(-KeyStep, 0);
        break;
    case Qt::Key_Right:
        chart()->scroll(KeyStep, 0);
        break;
    case Qt::Key_Up:
        chart()->scroll(0, KeyStep);
        break;
    case Qt::Key_Down:
        chart()->scroll(0, -KeyStep);
        break;
    case Qt::Key_Home:
        showAll();
        break;
    default:
        QChartView::keyPressEvent(event);
        return;
    }
    event->accept();
}
