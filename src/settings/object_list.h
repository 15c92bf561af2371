#pragma once

#include "base/safe_save.h"

#include <QList>
#include <QString>
#include <cstdint>

// A metering object the spreadsheet reports are made for: its name, which also
// names the report files, and the address of its controller.
struct MeteringObject {
    // Stations keep a name in a 50-byte zero-terminated field: 49 Windows-1251
    // bytes, and every UTF-16 unit of a QString becomes one such byte.
    static constexpr int maxNameLength = 49;

    QString name;
    std::uint8_t controllerAddress = 1;

    bool operator==(const MeteringObject&) const = default;
};

enum class ObjectSortOrder : std::uint8_t { ByName = 0, ByAddress = 1 };

// The operator's metering objects, kept in "objects.ini": at most 50, in the
// chosen sort order, with the object last chosen for a report.
struct ObjectList {
    static constexpr int capacity = 50;

    QList<MeteringObject> objects;
    ObjectSortOrder sortOrder = ObjectSortOrder::ByName;
    int selected = 0; // 0-based; 0 when the list is empty

    bool operator==(const ObjectList&) const = default;

    // The selected object; none when the list is empty (or the index is off it).
    const MeteringObject* selectedObject() const;
};

// Reads "objects.ini"; a missing or unreadable file is an empty list. What the
// file says is bounded: at most 50 objects whatever "obj_num" claims, a
// selection outside the list is the first object, a sort mode other than 1 sorts
// by name, an address outside 1..255 reads as 1 (the address of an object
// without one), a longer name is cut to 49 characters. The list comes back sorted.
ObjectList loadObjectList(const QString& path);

// Writes the list into "objects.ini", keeping every other line of the file.
// On failure the old file stays as it was.
SaveResult saveObjectList(const QString& path, const ObjectList& list);
