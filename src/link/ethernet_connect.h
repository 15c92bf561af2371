#pragma once

#include "base/operator.h"
#include "link/hgcbox.h"
#include "settings/link_record.h"
#include "settings/settings.h"

#include <QString>
#include <optional>

// Connects to the controller over TCP (the controller, or a converter in front
// of it, is the server) and hands the connected socket to the engine.

// `settings` is the section "ETHERNET_CONN_PAR" of gqc.ini.

// The connection dialog's confirmation: `subscriber` is the chosen entry, none
// when nothing (or the position after the last entry) is chosen. Every failure
// is told to the operator and leaves no socket in the engine: a refused
// connection at once, a host that does not answer once "ConnectWaitTime" has passed.
bool connectEthernet(const std::optional<EthernetSubscriber>& subscriber, const EthernetSettings& settings,
                     hgcbox& engine, Operator& person);

// The same for a host and service given as text (a name is looked up; an IPv6
// address is taken as it is).
bool connectEthernetHost(const QString& host, const QString& service, std::uint8_t controllerAddress,
                         const EthernetSettings& settings, hgcbox& engine, Operator& person);
