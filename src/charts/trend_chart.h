#pragma once

#include "archives/trend_series.h"
#include "archives/trend_set_points.h"

#include <QChart>
#include <QList>
#include <memory>

// One parameter on the trend chart: its points and the levels drawn across it.
struct TrendPlot {
    TrendSeries series;
    QList<SetPointLine> setPoints;
};

// The trend chart of an archive: one time axis below, every parameter on a
// value axis of its own (left and right in turn) in a colour of its own, its
// substituted points marked by triangles over its line, its set-points as
// levels of its colour (warnings dashed, the limits of the values written into
// the flow computers dotted); the legend names the parameters alone. The lines take their points in one replace()
// and are drawn without OpenGL, so that the same chart renders on a screen, in
// an image and in a PDF.
std::unique_ptr<QChart> trendChart(const QString& title, const QList<TrendPlot>& plots);

// The chart's own series: a line per parameter, a marker series per parameter
// with substitutes, a line per set-point.
int trendChartSeriesCount(const QList<TrendPlot>& plots);
