#include "link/engine_loading.h"

namespace {
constexpr std::int32_t MsPerSecond = 1000;
} // namespace

ExchangeSettings withLinkExchange(ExchangeSettings base, const LinkRecord& link)
{
    base.address = link.address;
    base.preambles = link.preambles;
    base.attempts = link.attempts;
    base.interByteMs = link.interByteMs;
    base.answerTimeoutMs = link.answerTimeoutS * MsPerSecond;
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

ExchangeSettings withEthernetLink(ExchangeSettings base, const LinkRecord& link, std::uint8_t controllerAddress)
{
    ExchangeSettings settings = withLinkExchange(base, link);
    settings.address = controllerAddress;
    settings.linkKind = LinkKind::Ethernet;
    settings.openPerRequest = false;
    return settings;
}
