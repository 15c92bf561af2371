#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class WorkDirectory;

// The texts the operator keeps for the station's reports: certificate heading
// lines and representatives, the gas day's start hour and the passport's six
// signature lines, Windows-1251 in fixed zero-terminated fields; the whole
// content of "report.ini" in the REPORT folder (801 bytes).
class ReportTexts {
public:
    static constexpr int Size = 801;
    static constexpr int SignatureLines = 6;

    static QString filePath(const WorkDirectory& directory);

    // The file's texts; a file that is missing, unreadable or shorter than the
    // record gives empty texts and the gas day starting at 9 o'clock, and is
    // never told: the texts are optional.
    static ReportTexts read(const QString& path);
    static ReportTexts fromBytes(const QByteArray& bytes);

    // The passport's signature lines: 0 to 2 the left column top down, 3 to 5 the right.
    QString signatureLine(int line) const;
    std::uint8_t dayStartHour() const { return static_cast<std::uint8_t>(bytes_.at(DayStartHour)); }

    const QByteArray& bytes() const { return bytes_; }

private:
    static constexpr int DayStartHour = 500;
    static constexpr int DefaultDayStartHour = 9;
    static constexpr int FirstSignatureLine = 501;
    static constexpr int SignatureLineSize = 50;

    explicit ReportTexts(QByteArray bytes) : bytes_(std::move(bytes)) {}
    QString text(int offset, int size) const;

    QByteArray bytes_;
};
