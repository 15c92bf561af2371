#include "link/engine_loading.h"

#include <algorithm>

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

OperatorCredentials engineCredentials(const hgcbox& engine)
{
    const auto bytes = [](const auto& field) {
        return QByteArray(reinterpret_cast<const char*>(field.data()), static_cast<qsizetype>(field.size()));
    };
    return {bytes(engine.write_password), bytes(engine.user_code)};
}

void loadCredentials(hgcbox& engine, const OperatorCredentials& credentials)
{
    const auto copy = [](const QByteArray& from, auto& field) {
        field.fill(' ');
        std::copy_n(from.constData(), std::min<std::size_t>(from.size(), field.size()), field.begin());
    };
    copy(credentials.password, engine.write_password);
    copy(credentials.code, engine.user_code);
}
