#include "support/recording_transport.h"

#include <algorithm>

bool LineRecord::wrote(const QByteArray& prefix) const
{
    return std::any_of(writes.begin(), writes.end(), [&](const QByteArray& bytes) { return bytes.startsWith(prefix); });
}

bool RecordingTransport::setRts(bool on)
{
    ++record_.rtsChanges;
    return line_->setRts(on);
}

bool RecordingTransport::write(const QByteArray& bytes)
{
    record_.writes.append(bytes);
    return line_->write(bytes);
}
