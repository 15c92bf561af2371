#include "settings/object_entry_rules.h"

#include "settings/entry_field_checks.h"

ObjectEntryFields objectFieldsOf(const MeteringObject& object)
{
    return {object.name, QString::number(object.controllerAddress)};
}

InputCheck applyObjectFields(const ObjectEntryFields& fields, MeteringObject& object)
{
    if (isBlank(fields.name) || isBlank(fields.address))
        return notAllEntered();
    const std::optional<int> address = controllerAddressIn(fields.address);
    if (!address)
        return controllerAddressOutOfRange();
    object.name = fields.name.left(MeteringObject::maxNameLength);
    object.controllerAddress = static_cast<std::uint8_t>(*address);
    return std::nullopt;
}
