#include "settings/subscriber_entry_rules.h"
#include "settings/subscriber_list_editing.h"

#include <gtest/gtest.h>

namespace {

PhoneList phoneListOf(std::initializer_list<const char*> names)
{
    PhoneList list;
    for (const char* name : names)
        appendSubscriber(list, PhoneSubscriber{name, 1, 1, QString("0%1").arg(list.count)});
    return list;
}

QStringList namesOf(const PhoneList& list)
{
    QStringList names;
    for (int i = 0; i < list.count; ++i)
        names << list.entries[i].name;
    return names;
}

TEST(SubscriberEntry, ChecksInOrderAndWritesNothingUntilAllPass)
{
    PhoneSubscriber entry{"Старое", 5, 1, "123"};
    const PhoneSubscriber before = entry;
    EXPECT_EQ(applyEntryFields(PhoneEntryFields{"Новое", "", "555"}, entry),
              (InputProblem{"Введены не все параметры", ""}));
    EXPECT_EQ(applyEntryFields(PhoneEntryFields{"Новое", "256", "555"}, entry),
              (InputProblem{"Адрес вне допустимого диапазона", "(1...255)"}));
    EXPECT_EQ(applyEntryFields(PhoneEntryFields{"Новое", "0", "555"}, entry),
              (InputProblem{"Адрес вне допустимого диапазона", "(1...255)"}));
    EXPECT_EQ(entry, before);
    EXPECT_FALSE(applyEntryFields(PhoneEntryFields{"Новое", "255", "8-056-111"}, entry));
    EXPECT_EQ(entry, (PhoneSubscriber{"Новое", 255, 1, "8-056-111"}));
}

TEST(SubscriberEntry, EthernetOctetsAndPort)
{
    EthernetSubscriber entry;
    EthernetEntryFields fields{"Узел", "3", {"192", "168", "", "10"}, "502"};
    EXPECT_EQ(applyEntryFields(fields, entry), (InputProblem{"Введены не все параметры", ""}));
    fields.octets[2] = "256";
    EXPECT_EQ(applyEntryFields(fields, entry), (InputProblem{"Поле IP-адреса вне допустимого диапазона", "(0...255)"}));
    fields.octets[2] = "1";
    fields.port = "70000";
    EXPECT_TRUE(applyEntryFields(fields, entry).has_value()) << "a port beyond 16 bits is refused";
    fields.port = "502";
    EXPECT_FALSE(applyEntryFields(fields, entry));
    EXPECT_EQ(entry.ipAddress, 0xC0A8010Au);
    EXPECT_EQ(addressAndPortText(entry), "192.168.1.10:502");
    EXPECT_EQ(fieldsOf(entry).octets, (std::array<QString, 4>{"192", "168", "1", "10"}));
}

TEST(SubscriberList, DeleteMovesTheFollowingEntriesUp)
{
    PhoneList list = phoneListOf({"А", "Б", "В", "Г"});
    list.selected = 3;
    removeSubscriber(list, 1);
    EXPECT_EQ(namesOf(list), (QStringList{"А", "В", "Г"}));
    EXPECT_EQ(list.selected, 2) << "the selection stays on its subscriber";
    removeSubscriber(list, 2);
    EXPECT_EQ(list.selected, 1) << "deleting the last selected entry selects the one before";
    removeSubscriber(list, 7);
    EXPECT_EQ(list.count, 2);
}

TEST(SubscriberList, ATwoHundredthEntryIsTheLast)
{
    PhoneList list;
    for (int i = 0; i < PhoneList::capacity; ++i)
        ASSERT_TRUE(appendSubscriber(list, PhoneSubscriber{}));
    EXPECT_FALSE(appendSubscriber(list, PhoneSubscriber{}));
    EXPECT_EQ(list.count, 200);
}

TEST(SubscriberList, SortingIgnoresCaseAndKeepsTheSelection)
{
    PhoneList list = phoneListOf({"вторая", "Первая", "ТРЕТЬЯ", "альфа"});
    list.entries[0].phone = "3";
    list.entries[1].phone = "1";
    list.entries[2].phone = "2";
    list.entries[3].phone = "4";
    list.selected = 2;
    sortSubscribers(list, SubscriberSortOrder::ByName);
    EXPECT_EQ(namesOf(list), (QStringList{"альфа", "вторая", "Первая", "ТРЕТЬЯ"}));
    EXPECT_EQ(list.entries[list.selected].name, "ТРЕТЬЯ");
    EXPECT_EQ(list.sortOrder, 0);

    sortSubscribers(list, SubscriberSortOrder::BySecondKey);
    EXPECT_EQ(namesOf(list), (QStringList{"Первая", "ТРЕТЬЯ", "вторая", "альфа"}));
    EXPECT_EQ(list.entries[list.selected].name, "ТРЕТЬЯ");
    EXPECT_EQ(list.sortOrder, 1);
}

} // namespace
