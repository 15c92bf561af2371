#include "base/windows1251.h"
#include "settings/object_entry_rules.h"
#include "settings/object_list_editing.h"
#include "support/failing_saves.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

namespace {

ObjectList listOf(std::initializer_list<MeteringObject> objects)
{
    ObjectList list;
    list.objects = objects;
    return list;
}

QStringList namesOf(const ObjectList& list)
{
    QStringList names;
    for (const MeteringObject& object : list.objects)
        names << object.name;
    return names;
}

TEST(ObjectListFile, RoundTripKeepsEveryOtherLineOfTheFile)
{
    TempWorkdir dir;
    const QByteArray stationLines = "; станция\r\n[OTHER]\r\nkey=Значение\r\n";
    dir.write("objects.ini", toWindows1251(QString::fromUtf8(stationLines) +
                                           "[OBJECT_LIST]\r\nobj_num=2\r\nsort_prz=1\r\nobj_index=1\r\n"
                                           "[OBJECT_1]\r\ncontr_adr=7\r\nobj_name=ГРС Южная\r\n"
                                           "[OBJECT_2]\r\ncontr_adr=3\r\nobj_name=АГРС-2\r\n"));
    ObjectList list = loadObjectList(dir.file("objects.ini"));
    // Sorted by address at loading; the selection follows the file's second object.
    EXPECT_EQ(list.sortOrder, ObjectSortOrder::ByAddress);
    EXPECT_EQ(namesOf(list), (QStringList{"АГРС-2", "ГРС Южная"}));
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(list.objects[1].controllerAddress, 7);

    ASSERT_TRUE(appendObject(list, {"Новая", 200}));
    ASSERT_FALSE(saveObjectList(dir.file("objects.ini"), list).failed());
    const QByteArray written = dir.read("objects.ini");
    EXPECT_TRUE(written.startsWith(toWindows1251(QString::fromUtf8(stationLines))));
    EXPECT_TRUE(written.contains("obj_num=3\r\n"));
    EXPECT_TRUE(written.contains(toWindows1251("[OBJECT_3]\r\ncontr_adr=200\r\nobj_name=Новая\r\n")));
    EXPECT_EQ(loadObjectList(dir.file("objects.ini")), list);
}

TEST(ObjectListFile, CountsIndexesAndAddressesFromTheFileAreBounded)
{
    TempWorkdir dir;
    QByteArray text = "[OBJECT_LIST]\r\nobj_num=200\r\nobj_index=70\r\nsort_prz=9\r\n";
    for (int i = 1; i <= 60; ++i)
        text += QStringLiteral("[OBJECT_%1]\r\ncontr_adr=%2\r\nobj_name=N%3\r\n")
                    .arg(i)
                    .arg(i == 1 ? 300 : (i == 2 ? 0 : i))
                    .arg(i, 2, 10, QLatin1Char('0'))
                    .toLatin1();
    dir.write("objects.ini", text);
    const ObjectList list = loadObjectList(dir.file("objects.ini"));
    EXPECT_EQ(list.objects.size(), 50);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(list.sortOrder, ObjectSortOrder::ByName);
    EXPECT_EQ(list.objects[0], (MeteringObject{"N01", 1})) << "an address above 255 reads as 1";
    EXPECT_EQ(list.objects[1], (MeteringObject{"N02", 1})) << "address 0 reads as 1";
    EXPECT_EQ(list.objects[49].name, "N50");

    const ObjectList empty = loadObjectList(dir.file("missing.ini"));
    EXPECT_TRUE(empty.objects.isEmpty());
    EXPECT_EQ(empty.selectedObject(), nullptr);
}

TEST(ObjectListFile, NamesAreBoundedTo49WindowsBytes)
{
    TempWorkdir dir;
    const QString longName = QString(60, QChar(u'Ж'));
    dir.write("objects.ini", toWindows1251("[OBJECT_LIST]\r\nobj_num=1\r\n[OBJECT_1]\r\nobj_name=" + longName));
    EXPECT_EQ(loadObjectList(dir.file("objects.ini")).objects[0].name, longName.left(49));

    MeteringObject object;
    EXPECT_FALSE(applyObjectFields({longName, "5"}, object));
    EXPECT_EQ(toWindows1251(object.name).size(), 49);
}

TEST(ObjectListFile, AFailedSaveIsToldAndKeepsTheOldFile)
{
    TempWorkdir dir;
    const QByteArray old = "[OBJECT_LIST]\r\nobj_num=0\r\n";
    dir.write("objects.ini", old);
    ObjectList original;
    const ObjectList edited = listOf({{"А", 1}});
    const FailingSaves failing({SaveFault::Step::Commit, 1, {}});
    EXPECT_TRUE(commitObjectList(original, edited, dir.file("objects.ini")).failed());
    EXPECT_EQ(dir.read("objects.ini"), old);
}

TEST(ObjectListCommit, WritesOnlyAChangedList)
{
    TempWorkdir dir;
    ObjectList original = listOf({{"А", 1}, {"Б", 2}});
    EXPECT_EQ(commitObjectList(original, original, dir.file("objects.ini")).status, SaveStatus::Unchanged);
    EXPECT_TRUE(dir.read("objects.ini").isEmpty()) << "nothing written for an unchanged list";

    ObjectList edited = original;
    edited.selected = 1;
    EXPECT_EQ(commitObjectList(original, edited, dir.file("objects.ini")).status, SaveStatus::Saved);
    EXPECT_EQ(original, edited);
    EXPECT_TRUE(dir.read("objects.ini").contains("obj_index=1\r\n"));
}

TEST(ObjectListSort, ByNameUpperCasesCyrillicComparesWindowsBytesAndKeepsEqualNamesInOrder)
{
    ObjectList list = listOf({{"бета", 1}, {"Альфа", 2}, {"ёлка", 3}, {"альфа", 4}, {"Zeta", 5}, {"АЛЬФА", 6}});
    list.selected = 3; // the lower-case "альфа"
    sortObjects(list, ObjectSortOrder::ByName);
    // "Ё" is byte 0xA8 in Windows-1251, before "А" (0xC0); Latin letters come first.
    EXPECT_EQ(namesOf(list), (QStringList{"Zeta", "ёлка", "Альфа", "альфа", "АЛЬФА", "бета"}));
    EXPECT_EQ(list.selected, 3);
    EXPECT_EQ(list.objects[list.selected].controllerAddress, 4);

    list.selected = 1;
    sortObjects(list, ObjectSortOrder::ByAddress);
    EXPECT_EQ(list.objects[list.selected].name, "ёлка");
    EXPECT_EQ(namesOf(list).first(), "бета");
}

TEST(ObjectListSort, ByAddressKeepsEqualAddressesInOrder)
{
    ObjectList list = listOf({{"В", 9}, {"Б", 2}, {"А", 9}, {"Г", 2}});
    list.sortOrder = ObjectSortOrder::ByAddress;
    list.selected = 2;
    sortObjects(list, ObjectSortOrder::ByAddress);
    EXPECT_EQ(namesOf(list), (QStringList{"Б", "Г", "В", "А"}));
    EXPECT_EQ(list.selected, 3);
}

TEST(ObjectListEditing, AddedAndEditedObjectsAreSortedInAndSelected)
{
    ObjectList list = listOf({{"Б", 1}, {"Г", 2}});
    ASSERT_TRUE(appendObject(list, {"В", 3}));
    EXPECT_EQ(namesOf(list), (QStringList{"Б", "В", "Г"}));
    EXPECT_EQ(list.selected, 1);
    replaceObject(list, 2, {"А", 2});
    EXPECT_EQ(namesOf(list), (QStringList{"А", "Б", "В"}));
    EXPECT_EQ(list.selected, 0);
}

TEST(ObjectListEditing, DeleteMovesTheSelectionToThePreviousEntry)
{
    ObjectList list = listOf({{"А", 1}, {"Б", 2}, {"В", 3}, {"Г", 4}});
    list.selected = 2;
    removeObject(list, 2);
    EXPECT_EQ(namesOf(list), (QStringList{"А", "Б", "Г"}));
    EXPECT_EQ(list.selected, 1);
    removeObject(list, 0);
    EXPECT_EQ(namesOf(list), (QStringList{"Б", "Г"}));
    EXPECT_EQ(list.selected, 0) << "the first stays the first";
    removeObject(list, 5);
    EXPECT_EQ(list.objects.size(), 2);
}

TEST(ObjectListEditing, ButtonsFollowTheListSize)
{
    ObjectList list = listOf({{"А", 1}});
    EXPECT_FALSE(canSortBy(list, ObjectSortOrder::ByAddress)) << "one object needs no sorting";
    ASSERT_TRUE(appendObject(list, {"Б", 1}));
    EXPECT_TRUE(canSortBy(list, ObjectSortOrder::ByAddress));
    EXPECT_FALSE(canSortBy(list, ObjectSortOrder::ByName)) << "the order in use";
    EXPECT_EQ(objectChoices(list), (QStringList{"А", "Б", "Новый объект"}));

    while (canAddObject(list))
        ASSERT_TRUE(appendObject(list, {"Ж", 5}));
    EXPECT_EQ(list.objects.size(), 50);
    EXPECT_FALSE(appendObject(list, {"Я", 5}));
    EXPECT_EQ(list.objects.size(), 50);
    EXPECT_FALSE(objectChoices(list).contains("Новый объект"));
}

TEST(ObjectListEditing, GridRowTexts)
{
    const ObjectList list = listOf({{"ГРС", 1}, {"АГРС", 12}});
    EXPECT_EQ(objectRow(list, 1), (QStringList{"  2", " АГРС", "  12"}));
}

TEST(ObjectEntry, ChecksInOrderAndChangesNothingUntilAllPass)
{
    MeteringObject object{"Старый", 5};
    const MeteringObject before = object;
    EXPECT_EQ(applyObjectFields({"  ", "5"}, object), (InputProblem{"Введены не все параметры", ""}));
    EXPECT_EQ(applyObjectFields({"Новый", ""}, object), (InputProblem{"Введены не все параметры", ""}));
    EXPECT_EQ(applyObjectFields({"Новый", "256"}, object),
              (InputProblem{"Адрес вне допустимого диапазона", "(1...255)"}));
    EXPECT_EQ(applyObjectFields({"Новый", "0"}, object),
              (InputProblem{"Адрес вне допустимого диапазона", "(1...255)"}));
    EXPECT_EQ(object, before);
    EXPECT_FALSE(applyObjectFields({" Новый ", "255"}, object));
    EXPECT_EQ(object, (MeteringObject{" Новый ", 255})) << "the name is kept as typed";
    EXPECT_EQ(objectFieldsOf(object).address, "255");
}

} // namespace
