#include "link/engine_loading.h"

#include <algorithm>

ExchangeSettings withLinkExchange(ExchangeSettings base, const LinkRecord& link)
{
    base.address = link.address;
    base.preambles = link.preambles;
    base.attempts = link.attempts;
    base.interByteMs = link.interByteMs;
    // Whatever the record holds, the wait stays a wait: never negative, never wrapped round.
    base.answerTimeoutMs = std::clamp(link.answerTimeoutS, 0, MaxAnswerTimeoutS) * MsPerSecond;
    return base;
}

ExchangeSettings withSerialLink(ExchangeSettings base, const LinkRecord& link, LinkKind kind,
                                const CurrentSettings& current)
{
    ExchangeSettings settings = withLinkExchange(base, link);
    settings.linkKind = kind;
    settings.comPort = link.port;
    settings.bitRate = link.bitRate;
    settings.portOpenWaitS = current.portOpenWaitS;
    settings.openPerRequest = kind == LinkKind::Direct && current.openPortPerRequest;
    return settings;
}

ExchangeSettings withEthernetLink(ExchangeSettings base, const EthernetSettings& ethernet,
                                  std::uint8_t controllerAddress)
{
    ExchangeSettings settings = withLinkExchange(base, ethernet.link);
    settings.address = controllerAddress;
    settings.sendPauseMs = std::clamp(ethernet.sendPauseMs, 0, MaxSendPauseMs);
    settings.linkKind = LinkKind::Ethernet;
    settings.openPerRequest = false;
    return settings;
}
