// "repconf.ini" as it may be found: any length, any bytes. Input: the file.
// The settings are its first 25 bytes, zeros where it is short, with every
// decimal-digit count 4 when the first of them is 0.
#include "gas/report_settings.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"

#include <algorithm>

namespace {

constexpr int FirstDecimals = 5; // the decimal-digit counts follow the five choice bytes
constexpr char DefaultDecimals = 4;

QByteArray expectedSettings(QByteArrayView file)
{
    QByteArray expected(ReportSettings::size, '\0');
    const qsizetype present = std::min<qsizetype>(file.size(), ReportSettings::size);
    expected.replace(0, present, file.first(present));
    if (expected[FirstDecimals] == 0)
        expected.replace(FirstDecimals, ReportSettings::gasParameterCount,
                         QByteArray(ReportSettings::gasParameterCount, DefaultDecimals));
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), size);
    const ReportSettings settings = ReportSettings::load(writeScratchFile(QStringLiteral("repconf.ini"), bytes));
    const QByteArray expected = expectedSettings(bytes);
    fuzzCheck(settings.bytes() == expected, "the settings are the file's first 25 bytes with the default counts");
    fuzzCheck(settings.fractionKind() == static_cast<std::uint8_t>(expected[0]) &&
                  settings.heatUnit() == static_cast<std::uint8_t>(expected[1]) &&
                  settings.calculationMethod() == static_cast<std::uint8_t>(expected[2]) &&
                  settings.reportKind() == static_cast<std::uint8_t>(expected[3]) &&
                  settings.correction() == static_cast<std::uint8_t>(expected[4]),
              "each choice is its byte");
    for (int slot = 0; slot < ReportSettings::gasParameterCount; ++slot)
        fuzzCheck(settings.decimals(slot) == static_cast<std::uint8_t>(expected[FirstDecimals + slot]),
                  "each gas parameter has its digit count");
    fuzzCheck(settings.decimals(0) != 0, "the first digit count is never 0");
    return 0;
}
