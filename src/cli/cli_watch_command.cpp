#include "cli/cli_watch_command.h"

#include "archives/controller_state.h"
#include "archives/current_data.h"
#include "settings/work_directory.h"

#include <chrono>
#include <thread>

namespace {

constexpr std::chrono::seconds WatchPeriod(1);
constexpr std::uint8_t ChromatographPortTable = 14;
constexpr std::uint8_t ChromatographTypeField = 6;

QByteArray tableBytes(const ParamImage& image, int table, int size)
{
    return QByteArray(reinterpret_cast<const char*>(image.table(table).data()), size);
}

// One round: false with the reason on `errors` when a read failed.
bool watchRound(RequestLayer& layer, const ReportSettings& settings, const ComponentSlotMap& slotMap, QTextStream& out,
                QTextStream& errors)
{
    for (const FieldRange range : {FieldRange{30, 0, 22}, FieldRange{32, 0, 20}, FieldRange{33, 0, 2}})
        if (!layer.readFields(range, false)) {
            errors << layer.failure() << '\n';
            return false;
        }
    const ParamImage& image = layer.context().image;
    const QByteArray analysis = tableBytes(image, 30, CurrentDataLayout::ChromatographBytes);
    out << "Время последнего опроса хроматографа: " << currentDataTime(analysis) << '\n';
    const QStringList labels = currentGasRowLabels(settings);
    const auto values = currentGasValueTexts(analysis, settings, slotMap);
    const auto zones = image.table(32);
    for (int slot = 0; slot < GasParamsSize; ++slot) {
        out << labels[slot] << ": " << values[static_cast<std::size_t>(slot)];
        if (const auto zone = zoneCell(slot, zones[static_cast<std::size_t>(slot)]))
            out << " |" << zone->text;
        out << '\n';
    }
    const auto links = image.table(33);
    out << "Наличие связи с хроматографом: " << linkCell(links[0]).text << '\n';
    out << "Наличие связи с влагомером: " << linkCell(links[1]).text << '\n' << Qt::flush;
    return true;
}

} // namespace

int watchCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory, QTextStream& out,
                 QTextStream& errors)
{
    const ReportSettings settings = ReportSettings::load(directory.reportSettingsFile());
    if (!layer.readFields({ChromatographPortTable, ChromatographTypeField, 1}, false)) {
        errors << layer.failure() << '\n';
        return 1;
    }
    const ComponentSlotMap slotMap = ComponentSlotMap().forChromatographType(
        layer.context().image.field(ChromatographPortTable, ChromatographTypeField)[0]);
    for (int round = 1;; ++round) {
        if (!watchRound(layer, settings, slotMap, out, errors))
            return 1;
        if (options.watchCount && round >= *options.watchCount)
            return 0;
        out << '\n';
        std::this_thread::sleep_for(WatchPeriod);
    }
}
