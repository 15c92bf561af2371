#include "settings/object_list.h"

#include "base/ini_file.h"
#include "settings/object_list_editing.h"

#include <algorithm>

namespace {

const QString listSection = QStringLiteral("OBJECT_LIST");
const QString countKey = QStringLiteral("obj_num");
const QString sortKey = QStringLiteral("sort_prz");
const QString selectedKey = QStringLiteral("obj_index");
const QString nameKey = QStringLiteral("obj_name");
const QString addressKey = QStringLiteral("contr_adr");

// Objects are numbered from 1 in the file.
QString objectSection(int index)
{
    return QStringLiteral("OBJECT_%1").arg(index + 1);
}

} // namespace

const MeteringObject* ObjectList::selectedObject() const
{
    return selected >= 0 && selected < objects.size() ? &objects[selected] : nullptr;
}

ObjectList loadObjectList(const QString& path)
{
    const IniFile ini = IniFile::load(path);
    ObjectList list;
    const auto count = std::clamp<std::int64_t>(ini.readInteger(listSection, countKey, 0), 0, ObjectList::capacity);
    for (int i = 0; i < count; ++i) {
        const QString section = objectSection(i);
        list.objects.append({ini.readString(section, nameKey, {}).left(MeteringObject::maxNameLength),
                             static_cast<std::uint8_t>(ini.readInteger(section, addressKey, 1, 1, 255))});
    }
    list.selected = static_cast<int>(ini.readInteger(listSection, selectedKey, 0, 0, std::max<int>(count - 1, 0)));
    const bool byAddress = ini.readInteger(listSection, sortKey, 0) == 1;
    sortObjects(list, byAddress ? ObjectSortOrder::ByAddress : ObjectSortOrder::ByName);
    return list;
}

SaveResult saveObjectList(const QString& path, const ObjectList& list)
{
    IniFile ini = IniFile::load(path);
    ini.writeInteger(listSection, countKey, list.objects.size());
    ini.writeInteger(listSection, sortKey, static_cast<int>(list.sortOrder));
    ini.writeInteger(listSection, selectedKey, list.selected);
    for (int i = 0; i < list.objects.size(); ++i) {
        const QString section = objectSection(i);
        ini.writeInteger(section, addressKey, list.objects[i].controllerAddress);
        ini.writeString(section, nameKey, list.objects[i].name.left(MeteringObject::maxNameLength));
    }
    return ini.save(path);
}
