#pragma once

#include <QDateTime>
#include <cstdint>

class RequestLayer;
class hgcbox;

// Whether the operator is asked that the PC clock is right, or has said so
// already (the command-line tool's --yes).
enum class PcTimeConfirmation { Ask, Given };

// Sets the controller's clock to the PC's, once the operator confirms that the
// PC clock is right. Table 6 must be in the image: its switch rules give the
// time type. False when the operator declines or the write fails.
bool writePcTime(RequestLayer& layer, const QDateTime& pcNow,
                 PcTimeConfirmation confirmation = PcTimeConfirmation::Ask);

// Moves the controller's clock by a signed number of seconds (request 12, with
// the operator's credentials). The engine's status tells how it went.
bool correctClock(hgcbox& engine, std::int16_t seconds);
