#pragma once

#include "settings/object_list.h"

#include <QStringList>

// Editing the object list as the object list dialog and the report date dialog
// do it. Every change re-sorts a list of two or more by its sort order, and the
// selected object stays selected wherever the sort puts it.

// Sorts stably by `order`: by name, the upper-cased names compared byte by byte
// in Windows-1251 (so "Ё" comes before "А"), or by controller address.
void sortObjects(ObjectList& list, ObjectSortOrder order);

// Appends the object and selects it; false, with nothing changed, when the list is full.
bool appendObject(ObjectList& list, const MeteringObject& object);
// Puts `object` in the place of entry `index` and selects it.
void replaceObject(ObjectList& list, int index, const MeteringObject& object);
// Removes entry `index`; the following entries move up and the selection moves
// to the entry before it (the first stays the first).
void removeObject(ObjectList& list, int index);

// "Добавить" is offered while there is room.
bool canAddObject(const ObjectList& list);
// A sort button is offered for the order not in use, and only with two or more objects.
bool canSortBy(const ObjectList& list, ObjectSortOrder order);

// The grid row of entry `index`: "№", "Наименование", " Адрес".
QStringList objectRow(const ObjectList& list, int index);

// The choices of the date dialog's object list: the names, then "Новый объект"
// while there is room for one.
QStringList objectChoices(const ObjectList& list);
QString newObjectChoice();

// "Принять" of the list dialog: when `edited` differs from `original` it becomes
// the list and is written to `path`; an unchanged list writes nothing.
SaveResult commitObjectList(ObjectList& original, const ObjectList& edited, const QString& path);
