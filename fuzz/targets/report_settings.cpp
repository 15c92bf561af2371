// "repconf.ini" as it may be found: any length, any bytes. Input: the file.
// The settings are its first 25 bytes, zeros where it is short, with every
// choice other than 0 or 1 made 0 and every decimal-digit count outside 2 to 5 made 4.
#include "gas/report_settings.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"

#include <algorithm>

namespace {

constexpr int FirstDecimals = 5; // the decimal-digit counts follow the five choice bytes
constexpr char DefaultDecimals = 4;
constexpr char FewestDecimals = 2;
constexpr char MostDecimals = 5;

QByteArray expectedSettings(QByteArrayView file)
{
    QByteArray expected(ReportSettings::size, '\0');
    const qsizetype present = std::min<qsizetype>(file.size(), ReportSettings::size);
    expected.replace(0, present, file.first(present));
    for (int choice = 0; choice < FirstDecimals; ++choice)
        if (expected[choice] != 0 && expected[choice] != 1)
            expected[choice] = 0;
    for (int offset = FirstDecimals; offset < ReportSettings::size; ++offset)
        if (expected[offset] < FewestDecimals || expected[offset] > MostDecimals)
            expected[offset] = DefaultDecimals;
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), size);
    const ReportSettings settings = ReportSettings::load(writeScratchFile(QStringLiteral("repconf.ini"), bytes));
    const QByteArray expected = expectedSettings(bytes);
    fuzzCheck(settings.bytes() == expected, "the settings are the file's first 25 bytes, corrected");
    fuzzCheck(settings.fractionKind() == static_cast<std::uint8_t>(expected[0]) &&
                  settings.heatUnit() == static_cast<std::uint8_t>(expected[1]) &&
                  settings.calculationMethod() == static_cast<std::uint8_t>(expected[2]) &&
                  settings.reportKind() == static_cast<std::uint8_t>(expected[3]) &&
                  settings.correction() == static_cast<std::uint8_t>(expected[4]),
              "each choice is its byte");
    for (int slot = 0; slot < ReportSettings::gasParameterCount; ++slot)
        fuzzCheck(settings.decimals(slot) == static_cast<std::uint8_t>(expected[FirstDecimals + slot]),
                  "each gas parameter has its digit count");
    for (int slot = 0; slot < ReportSettings::gasParameterCount; ++slot)
        fuzzCheck(settings.decimals(slot) >= 2 && settings.decimals(slot) <= 5, "every digit count is 2 to 5");
    return 0;
}
