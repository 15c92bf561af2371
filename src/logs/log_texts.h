#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

// One operator intervention as its viewer, its printout and its file show it.
struct InterventionText {
    QString date;
    QString time;
    QString parameter;
    QString oldValue;
    QString newValue;
    QString unit;
    QString operatorName;
};

// One diagnostic message as its viewer, its printout and its file show it.
struct DiagnosticText {
    QString date;
    QString time;
    QString event;
    QString object; // the object or the reason
    QString currentValue;
    QString setPoint;
    QString unit;
};

// What decoding needs to know of the controller besides the record.
struct LogDecodingContext {
    bool namesInCodePage866 = false;     // byte 12 of table 0 is 0: the controller keeps names in code page 866
    std::uint8_t chromatographType = 0;  // byte 6 of table 14
    std::uint8_t moistureMeterType = 0;  // byte 6 of table 15 (byte 48 of a diagnostic file's header)
};

// The texts of a 24-byte intervention record; none when its checksum is wrong.
std::optional<InterventionText> interventionText(QByteArrayView record, const LogDecodingContext& context);

// The texts of a 22-byte diagnostic record; none when its checksum is wrong.
std::optional<DiagnosticText> diagnosticText(QByteArrayView record, const LogDecodingContext& context);
