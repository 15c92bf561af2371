#pragma once

#include <QChartView>
#include <memory>

// The trend chart on the screen: a rectangle drawn with the left button zooms
// into it, the right button zooms out, the wheel zooms around the pointer,
// dragging with the middle button (or the left with Shift) and the arrow keys
// move the view, Home shows everything again.
class TrendChartView : public QChartView {
    Q_OBJECT
public:
    explicit TrendChartView(QWidget* parent = nullptr);

    // Shows `chart` in place of the one before, all of it.
    void showChart(std::unique_ptr<QChart> chart);
    void showAll();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool panning_ = false;
    QPointF lastPan_;
};
