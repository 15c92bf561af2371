// How fast the chromatograph viewer's "Сохранить в формате Excel" writes a
// two-month 5-minute archive (17,280 rows of 22 cells) as a workbook, from the
// viewer's table to the file in its place. Goal: under 3 s; the peak memory is
// reported beside it.
//
// Usage: archive_export_bench [RUNS]   (best of RUNS exports, default 3)

#include "archives/archive_table.h"
#include "reports/archive_workbook.h"
#include "two_month_archive.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>
#include <limits>

using namespace TwoMonthArchive;

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir dir;
    const QString archivePath = dir.filePath(QStringLiteral("two-months.mch"));
    QFile archive(archivePath);
    if (!archive.open(QIODevice::WriteOnly) || archive.write(archiveFileBytes()) < 0)
        return 1;
    archive.close();
    const auto read = readArchiveFile(ArchiveKind::ChromFiveMinute, archivePath);
    const auto table = ArchiveTable::of(std::get<ArchiveFile>(read), ReportSettings::fromBytes({}));
    const long tableKb = BenchRecords::peakMemoryKb();

    const QString workbookPath = dir.filePath(QStringLiteral("two-months.xlsx"));
    qint64 bestNs = std::numeric_limits<qint64>::max();
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (saveArchiveWorkbook(*table, workbookPath, [](int) {}).failed())
            return 1;
        bestNs = std::min(bestNs, timer.nsecsElapsed());
    }
    const auto megabytes = [](double kb) { return QString::number(kb / 1024, 'f', 1); };
    QTextStream(stdout) << RecordCount
                        << " rows written as a workbook: " << QString::number(static_cast<double>(bestNs) / 1e9, 'f', 2)
                        << " s (best of " << runs << ", limit 3 s; "
                        << megabytes(static_cast<double>(QFileInfo(workbookPath).size()) / 1024) << " MB file)\n"
                        << "peak memory: " << megabytes(static_cast<double>(BenchRecords::peakMemoryKb())) << " MB ("
                        << megabytes(static_cast<double>(tableKb)) << " MB with the table opened)\n";
    return 0;
}
