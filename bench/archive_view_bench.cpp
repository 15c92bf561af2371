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
#include "crc/crc16.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstdlib>
#include <limits>

namespace {

constexpr int RecordCount = 17280;
constexpr int FiveMinutesPerDay = 288;

// Analyses that differ from record to record, as an archive's do; every
// hundredth one taken while the chromatograph calibrated.
QByteArray analysis(int index)
{
    const float drift = static_cast<float>(index % 97) * 0.01f;
    const float values[20] = {0.05f,         0.9f + drift, 0.15f,  0.2f,   0.01f,   0.05f,  0.04f,   1.2f - drift / 2,
                              93.5f - drift, 0.6f,         3.2f,   38.52f, 0.7211f, 49.95f, 0.9978f, 99.92f,
                              12.5f,         0.02f,        34.74f, 0.5987f};
    const int minutes = (index % FiveMinutesPerDay) * 5;
    QByteArray record;
    for (const int byte : {26, 1 + index / (FiveMinutesPerDay * 31), 1 + index / FiveMinutesPerDay % 28, minutes / 60,
                           minutes % 60, 0, index % 100 == 0 ? 0x80 : 0, 0, 0, 0, 0})
        record.append(static_cast<char>(byte));
    for (const float value : values) {
        char le[4];
        qToLittleEndian(std::bit_cast<std::uint32_t>(value), le);
        record.append(le, 4);
    }
    appendCrc16(record);
    return record;
}

QByteArray archiveFileBytes()
{
    ArchiveRecords records(ArchiveKind::ChromFiveMinute);
    for (int index = 0; index < RecordCount; ++index)
        records.append(analysis(index));
    const ArchiveFileHeader header =
        ArchiveFileHeader::build({ArchiveKind::ChromFiveMinute, QByteArray(20, ' '), 1, DateStamp{26, 3, 1, 12, 0, 0},
                                  DateStamp{26, 1, 1, 0, 0, 0}, DateStamp{26, 2, 28, 23, 55, 0}, RecordCount, 2});
    return header.bytes() + records.bytes();
}

// Every cell's text once; their total length, so that none can be left out.
qsizetype fetchEveryCell(const ArchiveGridModel& model)
{
    qsizetype characters = 0;
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            characters += model.data(model.index(row, column)).toString().size();
    return characters;
}

long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
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
                        << "peak memory: " << QString::number(static_cast<double>(peakMemoryKb()) / 1024, 'f', 1)
                        << " MB (limit 100 MB)\n";
    return 0;
}
