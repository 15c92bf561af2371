#pragma once

#include "link/exchange_settings.h"
#include "settings/link_record.h"
#include "settings/settings.h"

#include <cstdint>

// Engine settings built from the stored settings of a link. Each takes the
// engine's settings as they are (`base`) and returns them with the link's put
// in; what a link record does not hold (credentials, status panel) is kept.

// A link's exchange settings: controller address, preambles, attempts and both time-outs.
ExchangeSettings withLinkExchange(ExchangeSettings base, const LinkRecord& link);

// The same for a serial link, direct or through a modem, with its kind, port,
// bit rate and port handling. Only a direct line may open its port per request.
ExchangeSettings withSerialLink(ExchangeSettings base, const LinkRecord& link, LinkKind kind,
                                const CurrentSettings& current);

// The same for a TCP link to the controller at `controllerAddress` (the
// subscriber's, whatever the Ethernet link record holds), with the pause before
// each send; the socket stays open.
ExchangeSettings withEthernetLink(ExchangeSettings base, const EthernetSettings& ethernet,
                                  std::uint8_t controllerAddress);
