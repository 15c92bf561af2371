#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

// Table 0 (18 one-byte identification fields) as the identification dialog
// shows it: one label and its value per item, in the dialog's order.
struct IdentificationItem {
    QString label;
    QString value;
    bool alarm = false; // shown in red: a destroyed table
};

// No items for fewer than 18 bytes.
std::vector<IdentificationItem> identificationItems(QByteArrayView table0);

// The items a configuration created new knows: the type and the software version.
bool knownOfNewConfiguration(const IdentificationItem& item);
