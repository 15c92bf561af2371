#include "logs/log_texts.h"

// Placeholder until the decoders are written.
std::optional<InterventionText> interventionText(QByteArrayView, const LogDecodingContext&)
{
    return InterventionText{};
}

std::optional<DiagnosticText> diagnosticText(QByteArrayView, const LogDecodingContext&)
{
    return DiagnosticText{};
}
