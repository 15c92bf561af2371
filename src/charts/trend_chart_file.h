#pragma once

#include "base/safe_save.h"

#include <QByteArray>
#include <QString>

class QChartView;

// The chart as its view shows it, as a file of its own.
enum class ChartFileFormat { Png, Pdf };

// PDF for a name ending in ".pdf" (any letter case), else PNG.
ChartFileFormat chartFileFormat(const QString& path);

// The view's content at its size: a PNG image, or a one-page PDF whose page
// holds it at 96 pixels to the inch. A view never shown is laid out first.
QByteArray chartFileBytes(QChartView& view, ChartFileFormat format);

// Replaces the file at `path` with the chart in the format its name asks for.
SaveResult saveChartFile(QChartView& view, const QString& path);
