#include "app/engine_credentials.h"

#include <algorithm>

namespace {

void putCredentials(hgcbox& engine, const WriteCredentials& credentials)
{
    ExchangeSettings settings = engine.settings();
    settings.credentials = credentials;
    engine.setSettings(settings);
}

} // namespace

OperatorCredentials engineCredentials(const hgcbox& engine)
{
    const auto bytes = [](const auto& field) {
        return QByteArray(reinterpret_cast<const char*>(field.data()), static_cast<qsizetype>(field.size()));
    };
    const WriteCredentials& carried = engine.settings().credentials;
    return {bytes(carried.password), bytes(carried.userCode)};
}

void loadCredentials(hgcbox& engine, const OperatorCredentials& credentials)
{
    const auto copy = [](const QByteArray& from, auto& field) {
        field.fill(' ');
        std::copy_n(from.constData(), std::min<std::size_t>(from.size(), field.size()), field.begin());
    };
    WriteCredentials carried;
    copy(credentials.password, carried.password);
    copy(credentials.code, carried.userCode);
    putCredentials(engine, carried);
}

ScopedBlankCredentials::ScopedBlankCredentials(hgcbox& engine) : engine_(engine), saved_(engine.settings().credentials)
{
    putCredentials(engine_, WriteCredentials{});
}

ScopedBlankCredentials::~ScopedBlankCredentials()
{
    putCredentials(engine_, saved_);
}
