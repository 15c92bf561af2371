// "objects.ini" as a station may hold it. Input: the file. The list stays
// within its room (50 objects, names of 49 characters, addresses 1 to 255, the
// selection on an object), and a list saved into the same file loads again as
// it was read, its names as an ini line gives them back.
#include "settings/object_list_editing.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"
#include "support/ini_round_trip.h"

namespace {

void checkRanges(const ObjectList& list)
{
    fuzzCheck(list.objects.size() <= ObjectList::capacity, "the list holds at most 50 objects");
    fuzzCheck(list.objects.isEmpty() ? list.selected == 0 : list.selectedObject() != nullptr,
              "the selection is on an object, or 0 in an empty list");
    for (const MeteringObject& object : list.objects) {
        fuzzCheck(object.name.size() <= MeteringObject::maxNameLength, "a name fits its 49 bytes");
        fuzzCheck(object.controllerAddress >= 1, "an address is 1 to 255");
    }
}

// The list as it loads after a save: the names as the file gives them back,
// sorted again as loading sorts.
ObjectList readBack(ObjectList list)
{
    for (MeteringObject& object : list.objects)
        object.name = readBackFromIni(object.name);
    sortObjects(list, list.sortOrder);
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path =
        writeScratchFile(QStringLiteral("objects.ini"), QByteArrayView(reinterpret_cast<const char*>(data), size));
    const ObjectList loaded = loadObjectList(path);
    checkRanges(loaded);
    fuzzCheck(!saveObjectList(path, loaded).failed(), "the list can be saved");
    fuzzCheck(loadObjectList(path) == readBack(loaded), "a saved list loads again as it was");
    return 0;
}
