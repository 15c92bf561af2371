// How fast a viewer opens a two-month 5-minute chromatograph archive (17,280
// records): the file read, the tables' models built and every cell's text
// fetched once, as a view scrolled over the whole archive would. Goal: under
// 150 ms and 100 MB of peak memory.
// The settings are the dearest ones: volume fractions, kcal, properties
// recomputed from the composition, methane corrected.
//
// Usage: archive_view_bench [RUNS]   (best of RUNS openings, default 5)

#include "archives/archive_file.h"
#include "archives/archive_grid_model.h"
#include "archives/archive_table.h"
#include "two_month_archive.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

using namespace TwoMonthArchive;

// Every cell's text once; their total length, so that none can be left out.
qsizetype fetchEveryCell(const ArchiveGridModel& model)
{
    qsizetype characters = 0;
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            characters += model.data(model.index(row, column)).toString().size();
    return characters;
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two-months.mch"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(archiveFileBytes()) < 0)
        return 1;
    file.close();
    const ReportSettings settings = ReportSettings::fromBytes(QByteArray::fromHex("0101010001"));

    qint64 bestNs = std::numeric_limits<qint64>::max();
    qsizetype characters = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const auto read = readArchiveFile(ArchiveKind::ChromFiveMinute, path);
        const auto table = ArchiveTable::of(std::get<ArchiveFile>(read), settings);
        const ArchiveGridModel status(*table, ArchiveGridModel::Side::Status);
        const ArchiveGridModel values(*table, ArchiveGridModel::Side::Values);
        characters = fetchEveryCell(status) + fetchEveryCell(values);
        bestNs = std::min(bestNs, timer.nsecsElapsed());
    }
    QTextStream(stdout) << RecordCount << " records opened, every cell fetched: "
                        << QString::number(static_cast<double>(bestNs) / 1e6, 'f', 1) << " ms (best of " << runs
                        << ", limit 150 ms; " << characters << " characters)\n"
                        << "peak memory: " << QString::number(static_cast<double>(BenchRecords::peakMemoryKb()) / 1024, 'f', 1)
                        << " MB (limit 100 MB)\n";
    return 0;
}
