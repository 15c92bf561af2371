#pragma once

#include "base/ini_file.h"
#include "settings/link_record.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <variant>

// One key of an ini section and the member of the section's record that holds
// it. Reading and writing walk the same keys, so a key is always read into the
// member it is written from. A number outside [minimum, maximum], or a value that
// is no number, reads as the member's default; flags take any 32-bit number,
// non-zero meaning set, and texts have no range.
template <typename Record> struct IniKey {
    using Member = std::variant<std::uint8_t Record::*, std::int32_t Record::*, bool Record::*, LinkKind Record::*,
                                QString Record::*>;

    const char* name;
    Member member;
    std::int64_t minimum = std::numeric_limits<std::int32_t>::min();
    std::int64_t maximum = std::numeric_limits<std::int32_t>::max();
};

// Reads every key of `keys` into `record`; a key that is missing or unusable
// takes the member's value in `defaults`.
template <typename Keys, typename Record>
void readKeys(const IniFile& ini, const QString& section, const Keys& keys, Record& record, const Record& defaults)
{
    for (const auto& key : keys) {
        const QString name = QString::fromLatin1(key.name);
        std::visit(
            [&](auto member) {
                using Value = std::remove_cvref_t<decltype(record.*member)>;
                const Value& fallback = defaults.*member;
                if constexpr (std::is_same_v<Value, QString>)
                    record.*member = ini.readString(section, name, fallback);
                else if constexpr (std::is_same_v<Value, bool>)
                    record.*member = ini.readBool(section, name, fallback);
                else
                    record.*member = static_cast<Value>(
                        ini.readInteger(section, name, static_cast<std::int64_t>(fallback), key.minimum, key.maximum));
            },
            key.member);
    }
}

// Writes every key of `keys` from `record`, in the order of `keys`.
template <typename Keys, typename Record>
void writeKeys(IniFile& ini, const QString& section, const Keys& keys, const Record& record)
{
    for (const auto& key : keys) {
        const QString name = QString::fromLatin1(key.name);
        std::visit(
            [&](auto member) {
                using Value = std::remove_cvref_t<decltype(record.*member)>;
                if constexpr (std::is_same_v<Value, QString>)
                    ini.writeString(section, name, record.*member);
                else if constexpr (std::is_same_v<Value, bool>)
                    ini.writeBool(section, name, record.*member);
                else
                    ini.writeInteger(section, name, static_cast<std::int64_t>(record.*member));
            },
            key.member);
    }
}

// True when every number key's range fits its member, so that no value read is
// cut short on its way in. Meant for a static_assert beside each table.
template <typename Keys> constexpr bool rangesFitMembers(const Keys& keys)
{
    return std::ranges::all_of(keys, [](const auto& key) {
        return std::visit(
            [&key]<typename Record, typename Value>(Value Record::*) {
                if constexpr (std::is_integral_v<Value> && !std::is_same_v<Value, bool>)
                    return key.minimum >= std::numeric_limits<Value>::min() &&
                           key.maximum <= std::numeric_limits<Value>::max();
                else if constexpr (std::is_enum_v<Value>)
                    return key.minimum >= 0 && key.maximum <= std::numeric_limits<std::underlying_type_t<Value>>::max();
                else
                    return true;
            },
            key.member);
    });
}
