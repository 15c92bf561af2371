#pragma once

#include <QAbstractItemModel>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

// The trend chart's series, taken from the values' model of an archive viewer
// (ArchiveGridModel, Side::Values): the chart shows the numbers the table shows.

// A value column the chart can draw: one the instrument delivers.
struct TrendColumn {
    int column = 0;
    QString caption;                      // the caption lines joined, without the trailing comma: "МД метана"
    QString unit;                         // empty for a dimensionless parameter
    QString key;                          // the short name: "methane"
    std::optional<int> setPointParameter; // the field of tables 23 to 26
    double setPointFactor = 1;            // from the controller's unit to the one shown

    // "МД метана, %"; the caption alone without a unit.
    QString title() const;

    bool operator==(const TrendColumn&) const = default;
};

struct TrendPoint {
    qint64 msecsSinceEpoch; // the record's moment on the controller's calendar, as UTC
    double value;
    bool substituted; // the controller put a substitute into the value

    bool operator==(const TrendPoint&) const = default;
};

struct TrendSeries {
    TrendColumn column;
    std::vector<TrendPoint> points; // in the order of the rows, oldest first
    int damaged = 0;                // records left out because their checksum is wrong
    int substituted = 0;            // points with substitutes

    bool operator==(const TrendSeries&) const = default;
};

// The columns that may be drawn, left to right.
QList<TrendColumn> trendColumns(const QAbstractItemModel& values);

// Every row with a value in the column; damaged records and rows without a
// value (switched off, no link, calibration) are left out.
TrendSeries trendSeries(const QAbstractItemModel& values, const TrendColumn& column);

// The column named by its key or by its caption (letter case, blanks and
// commas aside); none when no column has that name.
std::optional<TrendColumn> trendColumnNamed(const QList<TrendColumn>& columns, const QString& name);
