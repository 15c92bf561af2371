#pragma once

#include "base/safe_save.h"
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

    // Each writes its file when it differs from the copy (Unchanged otherwise).
    // A failed write leaves the file and the copy as they were, so the next save
    // tries again.
    SaveResult saveSettings(const QString& path);
    SaveResult savePhoneList(const QString& path);
    SaveResult saveEthernetList(const QString& path);

private:
    Settings savedSettings_;
    PhoneList savedPhoneList_;
    EthernetList savedEthernetList_;
};
