#pragma once

#include "settings/settings.h"

#include <QSize>
#include <QString>

// The settings of gqc.ini and both subscriber lists, with a copy of what is on
// disk: a save writes only what differs from that copy, so a region the operator
// did not change is never rewritten.
class SettingsBlock {
public:
    Settings gqcIni; // what gqc.ini holds
    PhoneList phoneList;
    EthernetList ethernetList;

    // `screen` centres the window when gqc.ini does not place it.
    void loadSettings(const QString& path, QSize screen);
    void loadPhoneList(const QString& path);
    void loadEthernetList(const QString& path);

    // Each returns true when it wrote the file. A failed write keeps the old
    // copy, so the next save tries again.
    bool saveSettings(const QString& path);
    bool savePhoneList(const QString& path);
    bool saveEthernetList(const QString& path);

private:
    Settings savedSettings_;
    PhoneList savedPhoneList_;
    EthernetList savedEthernetList_;
};
