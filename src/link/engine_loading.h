#pragma once

#include "app/link_record.h"
#include "app/settings.h"
#include "link/hgcbox.h"
#include "tables/operator_credentials.h"

// Puts a link's exchange settings into the engine: controller address,
// preambles, attempts and both time-outs.
void loadExchangeSettings(hgcbox& engine, const LinkRecord& link);

// The same for a serial link, direct or through a modem, with its port, bit
// rate and port handling. Only a direct line may open its port per request.
void loadSerialLink(hgcbox& engine, const LinkRecord& link, LinkKind kind, const CurrentSettings& current);

// The operator's write password and identification code as the engine carries them.
OperatorCredentials engineCredentials(const hgcbox& engine);
void loadCredentials(hgcbox& engine, const OperatorCredentials& credentials);
