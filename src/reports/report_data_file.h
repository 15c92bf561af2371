#pragma once

#include "archives/chrom_interval_record.h"
#include "base/input_problem.h"
#include "base/safe_save.h"
#include "reports/day_report.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

class WorkDirectory;

// The data of one daily report, self-contained (912 bytes): the report texts
// as they stood when it was made, with the controller's contract hour in place
// of report.ini's day-start hour, the controller's name and address, the gas
// day from the contract hour to the contract hour of the next day, and the
// day's twenty values. The file has no signature: its length says what it is.
class ReportDataFile {
public:
    static constexpr int Size = 912;
    static constexpr int ValuesSize = 80;
    static constexpr int NameSize = 20;

    struct Source {
        const ReportTexts& texts;
        std::uint8_t contractHour; // table 6, byte 6
        QByteArrayView name;       // table 5 as the image holds it, 20 bytes
        std::uint8_t address;      // the engine's
        QDate day;                 // the gas day, 2000 to 2255
        QByteArrayView valueBytes; // the day record's 80 value bytes
    };
    static ReportDataFile make(const Source& source);

    // "rep081231.srt" for 31 December 2008, in the REPORT folder.
    static QString fileName(const QDate& day);
    static QString filePath(const WorkDirectory& directory, const QDate& day);

    // The report in `bytes`; none unless they are exactly 912 bytes whose start
    // and end days are days of the calendar.
    static std::optional<ReportDataFile> fromBytes(const QByteArray& bytes);
    // The report file at `path`, or why it is refused: "Ошибка открытия файла",
    // or "Файл %s не является" / "файлом отчета".
    static std::variant<ReportDataFile, InputProblem> read(const QString& path);

    // What the certificate and the passport print.
    DayReport report() const;
    const QByteArray& bytes() const { return bytes_; }
    // Replaces the file at `path`; on failure the old file stays.
    SaveResult save(const QString& path) const;

private:
    explicit ReportDataFile(QByteArray bytes) : bytes_(std::move(bytes)) {}

    QByteArray bytes_;
};

// Why no report may be made of a sound day record, as the line under
// "Суточные данные недостоверны": a day the controller was off holds no
// measurement, and a methane fraction that is no number no composition. None
// for a day a report may be made of.
std::optional<QString> dayRecordRefusal(const ChromIntervalRecord& record);
