#include "link/engine_loading.h"

void loadExchangeSettings(hgcbox& engine, const LinkRecord& link)
{
    engine.address = link.address;
    engine.preambles = link.preambles;
    engine.attempts = link.attempts;
    engine.inter_byte_ms = link.interByteMs;
    engine.answer_timeout_ms = link.answerTimeoutS * 1000;
}

void loadSerialLink(hgcbox& engine, const LinkRecord& link, LinkKind kind, const CurrentSettings& current)
{
    loadExchangeSettings(engine, link);
    engine.link_kind = kind;
    engine.com_port = link.port;
    engine.baud = link.bitRate;
    engine.port_open_wait_s = current.portOpenWaitS;
    engine.open_per_request = kind == LinkKind::Direct && current.openPortPerRequest;
}
