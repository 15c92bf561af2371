#pragma once

#include "settings/settings.h"

#include <QStringList>
#include <algorithm>

// Editing a subscriber list as the list dialog and the connection dialog do it.
// All operations keep `count` within the 200 places and `selected` on the same
// subscriber where it still exists.

enum class SubscriberSortOrder : std::uint8_t { ByName = 0, BySecondKey = 1 };

// The column the second sort key comes from: the phone number, or "a.b.c.d:port".
QString secondSortKey(const PhoneSubscriber& entry);
QString secondSortKey(const EthernetSubscriber& entry);

// The grid row of an entry: "№", "Наименование", "Адрес", and the number or "IP-адрес:порт".
QStringList subscriberRow(const PhoneSubscriber& entry, int index);
QStringList subscriberRow(const EthernetSubscriber& entry, int index);

// Appends and selects the entry; false when the list is full.
template <typename Entry> bool appendSubscriber(SubscriberList<Entry>& list, const Entry& entry)
{
    if (list.count >= SubscriberList<Entry>::capacity)
        return false;
    list.entries[list.count] = entry;
    list.selected = list.count;
    ++list.count;
    return true;
}

// Moves the following entries up by one; the selection stays on its subscriber,
// or on the entry that took the removed one's place.
template <typename Entry> void removeSubscriber(SubscriberList<Entry>& list, int index)
{
    if (index < 0 || index >= list.count)
        return;
    for (int i = index; i + 1 < list.count; ++i)
        list.entries[i] = list.entries[i + 1];
    --list.count;
    list.entries[list.count] = Entry{};
    if (list.selected > index || (list.selected == index && index == list.count && index > 0))
        --list.selected;
}

// Sorts by the chosen key, compared case-insensitively, and records the order;
// the selected subscriber is found again by its name.
template <typename Entry> void sortSubscribers(SubscriberList<Entry>& list, SubscriberSortOrder order)
{
    list.sortOrder = static_cast<std::uint8_t>(order);
    const bool hadSelection = list.selected < list.count;
    const QString selectedName = hadSelection ? list.entries[list.selected].name : QString();
    const auto key = [order](const Entry& entry) {
        return (order == SubscriberSortOrder::ByName ? entry.name : secondSortKey(entry)).toUpper();
    };
    std::stable_sort(list.entries.begin(), list.entries.begin() + list.count,
                     [&key](const Entry& a, const Entry& b) { return key(a) < key(b); });
    if (!hadSelection)
        return;
    for (int i = 0; i < list.count; ++i)
        if (list.entries[i].name == selectedName) {
            list.selected = static_cast<std::uint8_t>(i);
            return;
        }
}
