#include "link/frame_trace.h"

// Debug and info are off by default: the trace is asked for, never shown unasked.
Q_LOGGING_CATEGORY(frameTraceLog, FrameTraceCategory, QtWarningMsg)

namespace {

// Milliseconds tell the gaps between a request and its answer; the date tells
// the lines of a long scheduled run apart.
const QString StampFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

QString hex(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(' '));
}

QByteArrayView frameBytes(const FrameBuffer& frame, int length)
{
    return QByteArrayView(reinterpret_cast<const char*>(frame.data()), length);
}

std::uint8_t byteAt(QByteArrayView bytes, int offset)
{
    return static_cast<std::uint8_t>(bytes[offset]);
}

// Address, function code and length as the frame states them.
QString header(QByteArrayView frame)
{
    return QStringLiteral("addr %1 code 0x%2 len %3")
        .arg(byteAt(frame, FrameOffset::Address))
        .arg(byteAt(frame, FrameOffset::Function), 2, 16, QLatin1Char('0'))
        .arg(byteAt(frame, FrameOffset::Length));
}

QString answerHeader(const AnswerAttempt& attempt)
{
    if (attempt.frame.isEmpty())
        return attempt.arrived.total() == 0
                   ? QStringLiteral("no answer")
                   : QStringLiteral("no complete answer (%1 bytes)").arg(attempt.arrived.total());
    QString text = header(attempt.frame);
    // Without the answer flag the first body byte is the controller's error code.
    const bool errorReply = (byteAt(attempt.frame, FrameOffset::Function) & FrameByte::AnswerFlag) == 0;
    if (errorReply && attempt.frame.size() > FrameByte::MinAnswerLength)
        text += QStringLiteral(" error %1").arg(byteAt(attempt.frame, FrameOffset::ErrorCode));
    const qint64 skipped = attempt.arrived.total() - attempt.frame.size();
    if (skipped > 0)
        text += QStringLiteral(" (%1 bytes skipped)").arg(skipped);
    return text;
}

} // namespace

void ArrivedBytes::append(char byte)
{
    if (kept_.size() == Kept) {
        kept_.remove(0, Kept / 2);
        dropped_ += Kept / 2;
    }
    kept_.append(byte);
}

bool frameTraceOn()
{
    return frameTraceLog().isDebugEnabled();
}

QString requestTraceLine(const QDateTime& at, QByteArrayView frame, int preambles)
{
    QString line = at.toString(StampFormat) + QStringLiteral(" -> ") + header(frame);
    if (preambles > 0)
        line += QStringLiteral(" after %1 preambles").arg(preambles);
    return line + QStringLiteral(": ") + hex(frame);
}

QString answerTraceLine(const QDateTime& at, const AnswerAttempt& attempt)
{
    QString line =
        at.toString(StampFormat) + QStringLiteral(" <- ") + answerHeader(attempt) +
        QStringLiteral(", status %1 \"%2\"").arg(QString::number(exchangeStatusCode(attempt.status)), attempt.message);
    if (attempt.arrived.dropped() > 0)
        line += QStringLiteral(": ... %1 bytes ... ").arg(attempt.arrived.dropped()) + hex(attempt.arrived.kept());
    else if (attempt.arrived.total() > 0)
        line += QStringLiteral(": ") + hex(attempt.arrived.kept());
    return line;
}

// qCDebug evaluates its operands only while the category is on.
void traceRequest(const FrameBuffer& frame, int length, int preambles)
{
    qCDebug(frameTraceLog).noquote() << requestTraceLine(QDateTime::currentDateTime(), frameBytes(frame, length),
                                                         preambles);
}

void traceAnswer(const ArrivedBytes& arrived, const FrameBuffer* answer, ExchangeStatus status, const QString& message)
{
    const QByteArrayView frame = answer ? frameBytes(*answer, (*answer)[FrameOffset::Length]) : QByteArrayView();
    qCDebug(frameTraceLog).noquote() << answerTraceLine(QDateTime::currentDateTime(),
                                                        AnswerAttempt{arrived, frame, status, message});
}
