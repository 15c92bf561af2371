#pragma once

#include "base/input_problem.h"
#include "settings/object_list.h"

// The fields of the object editor as typed.
struct ObjectEntryFields {
    QString name;
    QString address;
};

ObjectEntryFields objectFieldsOf(const MeteringObject& object);

// "Принять" of the object editor: a blank name or address, then an address
// outside 1..255, refuse the entry and leave it as it was; otherwise the name
// (as typed, at most 49 characters) and the address are written into it.
InputCheck applyObjectFields(const ObjectEntryFields& fields, MeteringObject& object);
