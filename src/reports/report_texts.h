#pragma once

#include "base/safe_save.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

class WorkDirectory;

// The panels of the report-texts editor: 0 the certificate's texts, 1 the passport's.
enum class ReportTextsPanel { Certificate = 0, Passport = 1 };

// One text's place in the record; the text takes at most size − 1 bytes, so
// that its terminating zero always stays.
struct ReportTextField {
    int offset;
    int size;

    int maxLength() const { return size - 1; }
};

// The texts the operator keeps for the station's reports: certificate heading
// lines and representatives, the gas day's start hour and the passport's six
// signature lines, Windows-1251 in fixed zero-terminated fields; the whole
// content of "report.ini" in the REPORT folder (801 bytes).
class ReportTexts {
public:
    static constexpr int Size = 801;
    static constexpr int HeadingLines = 4;
    static constexpr int SignatureLines = 6;

    static QString filePath(const WorkDirectory& directory);

    // The file's texts; a file that is missing, unreadable or shorter than the
    // record gives empty texts and the gas day starting at 9 o'clock, and is
    // never told: the texts are optional.
    static ReportTexts read(const QString& path);
    static ReportTexts fromBytes(const QByteArray& bytes);
    // Replaces the file with the record; on failure the old file stays.
    SaveResult save(const QString& path) const;

    // The certificate's heading lines 0 to 3, printed centred under its name.
    QString headingLine(int line) const;
    // The certificate's representatives: 0 the left one (the organisation), 1 the right.
    QString representative(int side) const;

    // The passport's signature lines: 0 to 2 the left column top down, 3 to 5 the right.
    QString signatureLine(int line) const;
    std::uint8_t dayStartHour() const { return static_cast<std::uint8_t>(bytes_.at(DayStartHour)); }

    const QByteArray& bytes() const { return bytes_; }

    // The fields of `panel` in the order Enter moves through them.
    static QList<ReportTextField> panelFields(ReportTextsPanel panel);
    QString fieldText(const ReportTextField& field) const;
    // Stores `texts`, one per field of `panel` in its order, each as its
    // Windows-1251 bytes cut to the field's length and zeros to the field's end:
    // a shortened text leaves nothing of the old one. The other panel's texts
    // are left as they are.
    void storePanel(ReportTextsPanel panel, const QStringList& texts);
    // The editor shows a day-start hour that names no hour as 9 o'clock.
    void correctDayStartHour();

private:
    static constexpr int DayStartHour = 500;
    static constexpr int DefaultDayStartHour = 9;
    static constexpr int LastHour = 23;
    static constexpr int HeadingLineSize = 100;
    static constexpr int FirstRepresentative = 400;
    static constexpr int RepresentativeSize = 50;
    static constexpr int Representatives = 2;
    static constexpr int FirstSignatureLine = 501;
    static constexpr int SignatureLineSize = 50;

    explicit ReportTexts(QByteArray bytes) : bytes_(std::move(bytes)) {}
    QString text(int offset, int size) const;

    QByteArray bytes_;
};
