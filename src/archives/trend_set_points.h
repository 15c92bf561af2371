#pragma once

#include "archives/trend_series.h"
#include "tables/config_record.h"
#include "tables/param_image.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

// A set-point of a parameter as a level across the trend chart.
struct SetPointLine {
    QString name; // "Нижняя уставка", ...
    double value; // in the unit the column shows
    bool limit;   // a limit of the values written into the flow computers, not a warning

    bool operator==(const SetPointLine&) const = default;
};

// The levels the controller checks the gas parameters against: the lower and
// upper warning set-points (tables 23, 24) and the lower and upper limits of
// the values written into the flow computers (tables 25, 26), from the
// controller's tables in the image or from a configuration. The insensitivity
// zone (table 22) is a width, not a level, and is not drawn.
class GasSetPointLevels {
public:
    static GasSetPointLevels of(const ParamImage& image);
    static GasSetPointLevels of(const ConfigRecord& record);

    // The four lines of the column's parameter; none for a column without set-points.
    QList<SetPointLine> lines(const TrendColumn& column) const;

private:
    static constexpr int LevelCount = 4;
    explicit GasSetPointLevels(std::array<QByteArray, LevelCount> tables) : tables_(std::move(tables)) {}

    std::array<QByteArray, LevelCount> tables_; // tables 23 to 26
};
