#include "settings/object_list_editing.h"

#include "base/windows1251.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

QByteArray nameSortKey(const MeteringObject& object)
{
    return toWindows1251(object.name.toUpper());
}

bool nameBefore(const QByteArray& a, const QByteArray& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

// Sorts in place and returns where the entry at `tracked` went.
int sortTracking(QList<MeteringObject>& objects, ObjectSortOrder order, int tracked)
{
    std::vector<int> places(objects.size());
    std::iota(places.begin(), places.end(), 0);
    if (order == ObjectSortOrder::ByName) {
        std::vector<QByteArray> keys;
        for (const MeteringObject& object : objects)
            keys.push_back(nameSortKey(object));
        std::stable_sort(places.begin(), places.end(), [&keys](int a, int b) { return nameBefore(keys[a], keys[b]); });
    } else {
        std::stable_sort(places.begin(), places.end(), [&objects](int a, int b) {
            return objects[a].controllerAddress < objects[b].controllerAddress;
        });
    }
    QList<MeteringObject> sorted;
    int trackedPlace = 0;
    for (int i = 0; i < static_cast<int>(places.size()); ++i) {
        sorted.append(objects[places[i]]);
        if (places[i] == tracked)
            trackedPlace = i;
    }
    objects = sorted;
    return trackedPlace;
}

void selectAndSort(ObjectList& list, int index)
{
    list.selected = index;
    sortObjects(list, list.sortOrder);
}

} // namespace

void sortObjects(ObjectList& list, ObjectSortOrder order)
{
    list.sortOrder = order;
    if (list.objects.size() >= 2)
        list.selected = sortTracking(list.objects, order, list.selected);
}

bool appendObject(ObjectList& list, const MeteringObject& object)
{
    if (!canAddObject(list))
        return false;
    list.objects.append(object);
    selectAndSort(list, list.objects.size() - 1);
    return true;
}

void replaceObject(ObjectList& list, int index, const MeteringObject& object)
{
    if (index < 0 || index >= list.objects.size())
        return;
    list.objects[index] = object;
    selectAndSort(list, index);
}

void removeObject(ObjectList& list, int index)
{
    if (index < 0 || index >= list.objects.size())
        return;
    list.objects.removeAt(index);
    list.selected = std::max(index - 1, 0);
}

bool canAddObject(const ObjectList& list)
{
    return list.objects.size() < ObjectList::capacity;
}

bool canSortBy(const ObjectList& list, ObjectSortOrder order)
{
    return list.objects.size() >= 2 && list.sortOrder != order;
}

QStringList objectRow(const ObjectList& list, int index)
{
    const MeteringObject& object = list.objects[index];
    return {QStringLiteral("  %1").arg(index + 1), u' ' + object.name,
            QStringLiteral("  %1").arg(object.controllerAddress)};
}

QString newObjectChoice()
{
    return QStringLiteral("Новый объект");
}

QStringList objectChoices(const ObjectList& list)
{
    QStringList choices;
    for (const MeteringObject& object : list.objects)
        choices << object.name;
    if (canAddObject(list))
        choices << newObjectChoice();
    return choices;
}

SaveResult commitObjectList(ObjectList& original, const ObjectList& edited, const QString& path)
{
    if (edited == original)
        return {SaveStatus::Unchanged, path, {}};
    original = edited;
    return saveObjectList(path, original);
}
