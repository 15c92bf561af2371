#pragma once

#include "settings/link_record.h"
#include "settings/settings.h"
#include "link/hgcbox.h"

// Puts a link's exchange settings into the engine: controller address,
// preambles, attempts and both time-outs.
void loadExchangeSettings(hgcbox& engine, const LinkRecord& link);

// The same for a serial link, direct or through a modem, with its port, bit
// rate and port handling. Only a direct line may open its port per request.
void loadSerialLink(hgcbox& engine, const LinkRecord& link, LinkKind kind, const CurrentSettings& current);
