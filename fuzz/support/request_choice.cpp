#include "support/request_choice.h"

#include "tables/table_catalogue.h"

namespace {

constexpr std::uint8_t ReadFields = 1;
constexpr std::uint8_t WriteFields = 2;
constexpr std::uint8_t IdentificationTable = 0;
constexpr std::uint8_t PortTable = 3; // field 0 is the controller's own address
constexpr std::uint8_t NameTable = 5;
constexpr int Kinds = 3;

} // namespace

RequestChoice RequestChoice::take(FuzzInput& input)
{
    RequestChoice choice;
    const std::uint8_t request = input.takeByte();
    choice.kind = static_cast<Kind>(request % Kinds);
    choice.attempts = static_cast<std::uint8_t>(1 + request / Kinds % 2);
    choice.address = input.takeByte();
    choice.newAddress = input.takeByte();
    return choice;
}

std::uint8_t RequestChoice::function() const
{
    return kind == Kind::Read ? ReadFields : WriteFields;
}

FieldRange RequestChoice::range() const
{
    switch (kind) {
    case Kind::Read:
        return {IdentificationTable, 0, TableCatalogue::descriptor(IdentificationTable).fieldCount};
    case Kind::WriteOwnAddress:
        return {PortTable, 0, 1};
    case Kind::WriteName:
        return {NameTable, 0, 1};
    }
    return {};
}

QByteArray RequestChoice::writtenFields() const
{
    switch (kind) {
    case Kind::Read:
        return {};
    case Kind::WriteOwnAddress:
        return QByteArray(1, static_cast<char>(newAddress));
    case Kind::WriteName:
        return QByteArray(TableCatalogue::descriptor(NameTable).fieldLength, 'A');
    }
    return {};
}

FrameBuffer RequestChoice::frame() const
{
    const FieldRange fields = range();
    QByteArray data;
    data.append(static_cast<char>(fields.table));
    data.append(static_cast<char>(fields.first));
    data.append(static_cast<char>(fields.count));
    data.append(writtenFields());
    FrameBuffer frame{};
    buildRequestFrame(frame, address, function(), data, 0, {});
    return frame;
}

bool RequestChoice::acceptsAnswerFrom(std::uint8_t answerAddress) const
{
    return address == FrameByte::AnyAddress || answerAddress == address ||
           (kind == Kind::WriteOwnAddress && answerAddress == newAddress);
}
