// How fast a year of hourly chromatograph means (8,760 records) is printed to
// PDF as the hourly viewer prints it: the table built, the document laid out
// and painted. Goal: under 5 s. The peak memory is reported beside it.
//
// Usage: archive_print_bench [OUT.pdf]   (keeps the PDF when OUT is given)

#include "archives/archive_table.h"
#include "bench_records.h"
#include "reports/archive_printout.h"
#include "reports/document_painter.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int RecordCount = 8760;
constexpr int HoursPerDay = 24;

// Means that differ from hour to hour; every fiftieth taken without a link.
QByteArray hourlyMean(int index)
{
    const QDate day = QDate(2026, 1, 1).addDays(index / HoursPerDay);
    const int hour = index % HoursPerDay;
    return BenchRecords::withGasValues(
        {26, day.month(), day.day(), hour, 0, 0, (hour + 1) % HoursPerDay, 0, 0, index % 50 == 0 ? 0x20 : 0}, index);
}

ArchiveFile yearOfMeans()
{
    ArchiveRecords records(ArchiveKind::ChromHourly);
    for (int index = 0; index < RecordCount; ++index)
        records.append(hourlyMean(index));
    const ArchiveFileHeader header = ArchiveFileHeader::build(
        {ArchiveKind::ChromHourly, QByteArrayLiteral("KKG-04 North        "), 1, DateStamp{27, 1, 1, 8, 15, 0},
         DateStamp{26, 1, 1, 0, 0, 0}, DateStamp{26, 12, 31, 23, 0, 0}, RecordCount, 2});
    return {header, records};
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    const ArchiveFile file = yearOfMeans();
    const ReportSettings settings = ReportSettings::fromBytes({});

    QElapsedTimer timer;
    timer.start();
    const auto table = ArchiveTable::of(file, settings);
    const ReportDocument document = archivePrintout(file, *table, settings, QStringLiteral("ПАО Газ"));
    const qint64 laidOut = timer.elapsed();
    const QByteArray pdf = documentPdf(document);
    const qint64 total = timer.elapsed();

    out << RecordCount << " hourly records, " << document.pages.size() << " pages, " << pdf.size() / 1024
        << " KiB of PDF\n"
        << "laid out in " << laidOut << " ms, printed in " << total << " ms (goal under 5000 ms)\n"
        << "peak memory " << BenchRecords::peakMemoryKb() / 1024 << " MB\n";
    if (argc > 1) {
        QFile kept(QString::fromLocal8Bit(argv[1]));
        if (!kept.open(QIODevice::WriteOnly) || kept.write(pdf) != pdf.size())
            return 1;
    }
    return pdf.isEmpty() || total >= 5000 ? 1 : 0;
}
