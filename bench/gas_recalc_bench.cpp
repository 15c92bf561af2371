// How fast gas records are recalculated for a viewer: an archive file of 17,280
// records (two months of 5-minute records) must be recalculated well inside the
// 150 ms the viewer has.
// The settings are the dearest ones: volume fractions, kcal, properties
// recomputed from the composition, methane corrected.
//
// Usage: gas_recalc_bench [RUNS]   (best of RUNS passes over 17,280 records, default 20)

#include "gas/gas_record_recalc.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

constexpr int RecordCount = 17280;

// Analyses that differ from record to record, as an archive's do.
std::vector<GasParams> archiveRecords()
{
    std::vector<GasParams> records(RecordCount);
    for (int i = 0; i < RecordCount; ++i) {
        const float drift = static_cast<float>(i % 97) * 0.01f;
        GasParams& record = records[static_cast<std::size_t>(i)];
        record = {0.05f,         0.9f + drift, 0.15f,  0.2f,   0.01f,   0.05f,  0.04f,   1.2f - drift / 2,
                  93.5f - drift, 0.6f,         3.2f,   38.52f, 0.7211f, 49.95f, 0.9978f, 99.92f,
                  12.5f,         0.02f,        34.74f, 0.5987f};
    }
    return records;
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const std::vector<GasParams> records = archiveRecords();
    const ReportSettings settings =
        ReportSettings::fromBytes(QByteArray::fromHex("0101010001")); // volume, kcal, recomputed, corrected
    const ComponentSlotMap slotMap;

    std::vector<GasParams> shown(records.size());
    qint64 bestNs = std::numeric_limits<qint64>::max();
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        std::transform(records.begin(), records.end(), shown.begin(),
                       [&](const GasParams& record) { return recalcGasRecord(record, settings, slotMap); });
        bestNs = std::min(bestNs, timer.nsecsElapsed());
    }

    // A sum of what was computed, so that none of it can be left out.
    double check = 0;
    for (const GasParams& record : shown)
        check += record[GasSlot::SuperiorHeat];
    const double seconds = static_cast<double>(bestNs) / 1e9;
    QTextStream(stdout) << "records recalculated per second: " << QString::number(RecordCount / seconds, 'f', 0) << "\n"
                        << RecordCount << " records: " << QString::number(seconds * 1e3, 'f', 3) << " ms (best of "
                        << runs << ", limit 150 ms; check " << QString::number(check, 'f', 1) << ")\n";
    return 0;
}
