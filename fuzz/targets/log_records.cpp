// Records of both event logs as they may come from the controller or a datafile:
// any bytes, any length, any controller. Input: 1 byte of flags (bit 0 names in
// code page 866, bit 1 seal the records with their checksum so that decoding is
// reached), the chromatograph type, the moisture-meter type, then the bytes of
// the record, given to both decoders. A record is decoded exactly when it has
// its length and its checksum holds; every text then fits the text rows of the
// log files (the numbers of a diagnostic message their 20-byte fields) and holds no zero that would cut them short.
#include "crc/crc16.h"
#include "logs/log_texts.h"
#include "support/fuzz_check.h"
#include "support/fuzz_input.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int InterventionLength = 24;
constexpr int DiagnosticLength = 22;
constexpr int ChecksumLength = 2;
constexpr std::uint8_t NamesInCodePage866 = 0x01;
constexpr std::uint8_t Seal = 0x02;
constexpr qsizetype WidestText = 99; // the widest field of a text row is 100 bytes, zero-terminated

QByteArray recordOf(QByteArrayView bytes, int length, bool seal)
{
    if (!seal)
        return bytes.toByteArray();
    QByteArray record = bytes.first(std::min<qsizetype>(bytes.size(), length - ChecksumLength)).toByteArray();
    record.resize(length - ChecksumLength, '\0');
    appendCrc16(record);
    return record;
}

bool decodable(QByteArrayView record, int length)
{
    return record.size() == length && crc16(record) == 0;
}

// The numbers of a diagnostic message; the values of an intervention may be list items of any width.
void checkNumbers(std::initializer_list<const QString*> numbers)
{
    for (const QString* number : numbers)
        fuzzCheck(number->size() < 20, "every number fits the 20-byte value field of a text row");
}

void checkTexts(std::initializer_list<const QString*> texts)
{
    for (const QString* text : texts) {
        fuzzCheck(text->size() <= WidestText, "every text fits its row field");
        fuzzCheck(!text->contains(QChar(u'\0')), "no text holds a zero");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t flags = input.takeByte();
    LogDecodingContext context;
    context.namesInCodePage866 = (flags & NamesInCodePage866) != 0;
    context.chromatographType = input.takeByte();
    context.moistureMeterType = input.takeByte();
    const bool seal = (flags & Seal) != 0;

    const QByteArray intervention = recordOf(input.rest(), InterventionLength, seal);
    const std::optional<InterventionText> interventionTexts = interventionText(intervention, context);
    fuzzCheck(interventionTexts.has_value() == decodable(intervention, InterventionLength),
              "an intervention is decoded exactly when it is whole");
    if (interventionTexts) {
        const InterventionText& text = *interventionTexts;
        fuzzCheck(!text.parameter.isEmpty(), "every intervention names its parameter");
        checkTexts(
            {&text.date, &text.time, &text.parameter, &text.oldValue, &text.newValue, &text.unit, &text.operatorName});
        fuzzCheck(text.operatorName.size() <= 4, "the operator's name is at most four characters");
    }

    const QByteArray diagnostic = recordOf(input.rest(), DiagnosticLength, seal);
    const std::optional<DiagnosticText> diagnosticTexts = diagnosticText(diagnostic, context);
    fuzzCheck(diagnosticTexts.has_value() == decodable(diagnostic, DiagnosticLength),
              "a diagnostic message is decoded exactly when it is whole");
    if (diagnosticTexts) {
        const DiagnosticText& text = *diagnosticTexts;
        checkTexts({&text.date, &text.time, &text.event, &text.object, &text.currentValue, &text.setPoint, &text.unit});
        checkNumbers({&text.currentValue, &text.setPoint});
    }
    return 0;
}
