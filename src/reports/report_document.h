#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <Qt>

// A printed document laid out to the millimetre on A4 portrait sheets: pages
// of bands stacked from the top margin down, each band a row of cells, and a
// footer band at the foot of every page. Builders decide every position; the
// painter only draws.

namespace ReportPaper {
constexpr double Width = 210.0;
constexpr double Height = 297.0;
constexpr double LeftMargin = 12.0; // room for binding
constexpr double RightMargin = 8.0;
constexpr double TopMargin = 10.0;
constexpr double BottomMargin = 8.0;
constexpr double TextWidth = Width - LeftMargin - RightMargin;
} // namespace ReportPaper

// Liberation Serif and Sans: metric twins of the faces the station's printouts have always used.
enum class ReportTypeface { Serif, Sans };

struct ReportFont {
    ReportTypeface face = ReportTypeface::Sans;
    double points = 7.0;
    bool bold = false;
};

// One text in its box, in millimetres from the band's left margin and top; a
// text of several lines has them separated by '\n'.
struct ReportCell {
    QRectF box;
    QString text;
    Qt::Alignment alignment = Qt::AlignCenter;
    bool framed = false;
};

struct ReportBand {
    double height = 0.0;
    ReportFont font;
    QList<ReportCell> cells;
};

struct ReportPage {
    QList<ReportBand> bands;
    ReportBand footer; // its top at the bottom margin less its height
};

struct ReportDocument {
    QList<ReportPage> pages;
};

// A band of one text across the whole width.
ReportBand textLineBand(const QString& text, ReportFont font, double height,
                        Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignVCenter);
