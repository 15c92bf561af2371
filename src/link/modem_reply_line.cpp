#include "link/modem_reply_line.h"

namespace {

bool endsLine(char byte)
{
    return byte == '\r' || byte == '\n';
}

bool isDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

} // namespace

bool ModemReplyLine::feed(char byte)
{
    if (complete_)
        return true;
    if (!started_) {
        if (!endsLine(byte)) {
            if (!echoSeen_ && isDigit(byte) && leadingDigits_.size() < MaxLength - 1) {
                leadingDigits_.append(byte);
            } else {
                echoSeen_ = true;
                leadingDigits_.clear();
            }
            return false;
        }
        started_ = true;
        if (!echoSeen_ && !leadingDigits_.isEmpty()) {
            line_ = leadingDigits_ + byte;
            complete_ = true;
            return true;
        }
        line_.append(byte);
        return false;
    }
    line_.append(byte);
    if (!endsLine(byte))
        hasText_ = true;
    complete_ = (endsLine(byte) && hasText_) || line_.size() >= MaxLength;
    return complete_;
}
