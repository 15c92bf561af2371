#include "app/engine_credentials.h"

#include <algorithm>

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
