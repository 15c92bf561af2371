#include "archives/trend_set_points.h"

#include "base/byte_view.h"
#include "tables/field_float.h"
#include "tables/gas_param_range.h"

namespace {

struct Level {
    GasSetPoint table;
    const char* name;
};

const std::array<Level, 4> Levels{{
    {GasSetPoint::LowerWarning, "Нижняя уставка"},
    {GasSetPoint::UpperWarning, "Верхняя уставка"},
    {GasSetPoint::LowerLimit, "Нижний предел записи в ВРГ"},
    {GasSetPoint::UpperLimit, "Верхний предел записи в ВРГ"},
}};

template <class Source> std::array<QByteArray, Levels.size()> levelTables(const Source& source)
{
    std::array<QByteArray, Levels.size()> tables;
    for (std::size_t k = 0; k < Levels.size(); ++k)
        tables[k] = byteView(source.table(tableNumber(Levels[k].table))).toByteArray();
    return tables;
}

} // namespace

GasSetPointLevels GasSetPointLevels::of(const ParamImage& image)
{
    return GasSetPointLevels(levelTables(image));
}

GasSetPointLevels GasSetPointLevels::of(const ConfigRecord& record)
{
    return GasSetPointLevels(levelTables(record));
}

QList<SetPointLine> GasSetPointLevels::lines(const TrendColumn& column) const
{
    if (!column.setPointParameter)
        return {};
    QList<SetPointLine> lines;
    for (std::size_t k = 0; k < Levels.size(); ++k)
        lines << SetPointLine{QString::fromUtf8(Levels[k].name),
                              fieldFloat(tables_[k], *column.setPointParameter) * column.setPointFactor,
                              Levels[k].table == GasSetPoint::LowerLimit || Levels[k].table == GasSetPoint::UpperLimit};
    return lines;
}
