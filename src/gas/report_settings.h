#pragma once

#include "base/safe_save.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// How gas data are presented in grids, printouts and reports; the whole content
// of "repconf.ini" (25 bytes).
class ReportSettings {
public:
    static constexpr int size = 25;
    static constexpr int gasParameterCount = 20;
    // Bytes 0 to 4 are the choices, then one decimal count per gas-parameter slot.
    static constexpr int choiceCount = 5;
    static constexpr int firstDecimals = 5;

    // The first 25 bytes of the file; zeros where it is missing or short. Then
    // corrected as fromBytes() does.
    static ReportSettings load(const QString& path);
    // The settings of `bytes` (zeros past their end) with every choice other than
    // 0 or 1 made 0 and every digit count outside 2 to 5 made 4, so that no
    // printout meets a report kind or a count it has no form for.
    static ReportSettings fromBytes(const QByteArray& bytes);
    // Replaces the file with the 25 bytes; on failure the old file stays.
    SaveResult save(const QString& path) const;

    std::uint8_t fractionKind() const { return byte(0); }      // 0 molar, 1 volume fractions
    std::uint8_t heatUnit() const { return byte(1); }          // 0 MJ/m3, 1 kcal/m3
    std::uint8_t calculationMethod() const { return byte(2); } // 0 as the controller computed, 1 recomputed here
    std::uint8_t reportKind() const { return byte(3); }        // 0 daily certificate, 1 daily passport
    std::uint8_t correction() const { return byte(4); }        // 1: methane is 100 % minus the others
    std::uint8_t decimals(int gasParameter) const { return byte(firstDecimals + gasParameter); }

    const QByteArray& bytes() const { return bytes_; }

private:
    static constexpr std::uint8_t fewestDecimals = 2;
    static constexpr std::uint8_t mostDecimals = 5;
    static constexpr std::uint8_t defaultDecimals = 4;

    ReportSettings() : bytes_(size, '\0') {}
    std::uint8_t byte(int offset) const { return static_cast<std::uint8_t>(bytes_.at(offset)); }

    QByteArray bytes_;
};
