#pragma once

#include <array>
#include <cstdint>

// Where the controller's components and properties sit in a GasParams record.
// Entries 0 to 11 are the twelve components, 12 to 19 the properties; a
// chromatograph of type 2 gives no sum of the fractions (entry 18 has no slot).
class ComponentSlotMap {
public:
    static constexpr int EntryCount = 20;
    static constexpr std::uint8_t NoSlot = 255;

    // The map in use before any controller is connected: that of types 0 and 1.
    ComponentSlotMap() : ComponentSlotMap(0) {}

    // The map after the chromatograph type (table 14, field 6, or byte 47 of an
    // archive file's header) is known: types 0, 1 and 2 have their own, any other
    // value is no type the program knows, so the map in use stays.
    ComponentSlotMap forChromatographType(std::uint8_t type) const;

    std::uint8_t slot(int entry) const { return slots_.at(static_cast<std::size_t>(entry)); }
    int componentSlot(int component) const { return slot(component); }

    bool operator==(const ComponentSlotMap&) const = default;

private:
    explicit ComponentSlotMap(std::uint8_t knownType);

    std::array<std::uint8_t, EntryCount> slots_;
};
