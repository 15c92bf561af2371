// What a modem sends back: echoes, verbal and numeric result codes, line ends in
// any order, noise. Input: the bytes from the modem, read as one reply line after
// the other (as the GSM check reads two). Each line is at most 255 bytes, begins
// where the reply does and ends at a line end; each is classified to a result the
// dialling knows a text for.
#include "link/modem_reply_line.h"
#include "link/modem_results.h"
#include "support/fuzz_check.h"

#include <algorithm>

namespace {

bool endsLine(char byte)
{
    return byte == '\r' || byte == '\n';
}

bool isDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

void checkCompleteLine(const QByteArray& text)
{
    fuzzCheck(!text.isEmpty() && text.size() <= ModemReplyLine::MaxLength, "a reply line is 1 to 255 bytes");
    if (isDigit(text.front())) {
        fuzzCheck(endsLine(text.back()) && std::all_of(text.begin(), text.end() - 1, isDigit),
                  "a line that begins with a digit is a numeric result code");
        return;
    }
    fuzzCheck(endsLine(text.front()), "a verbal reply begins at its first line end");
    fuzzCheck(text.size() == ModemReplyLine::MaxLength ||
                  (endsLine(text.back()) && !std::all_of(text.begin(), text.end(), endsLine)),
              "a reply line ends at a line end after some text, or at 255 bytes");
}

void checkClassified(QByteArrayView text)
{
    const int result = classifyModemReply(text);
    fuzzCheck(result >= DialResult::Connected && result <= DialResult::Interrupted && result != DialResult::NoModem &&
                  result != DialResult::NotConnected && result != DialResult::ModemTimeout,
              "a reply reports a connection, a line failure or the operator's break");
    fuzzCheck(!dialResultText(result).isEmpty(), "every result of a reply has its text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ModemReplyLine line;
    for (std::size_t i = 0; i < size; ++i) {
        if (!line.feed(static_cast<char>(data[i])))
            continue;
        checkCompleteLine(line.text());
        checkClassified(line.text());
        line = ModemReplyLine();
    }
    fuzzCheck(!line.complete() && line.text().size() < ModemReplyLine::MaxLength,
              "an unfinished line is shorter than a whole one");
    checkClassified(line.text());
    return 0;
}
