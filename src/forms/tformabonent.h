#pragma once

#include "settings/settings.h"

#include <QDialog>
#include <array>

class Operator;
class QLineEdit;

// Editor of one subscriber entry, telephone or Ethernet. The entry is written
// only when every check passes and the operator accepts.
class TFormAbonent : public QDialog {
    Q_OBJECT
public:
    TFormAbonent(PhoneSubscriber& entry, Operator& person, QWidget* parent = nullptr);
    TFormAbonent(EthernetSubscriber& entry, Operator& person, QWidget* parent = nullptr);

private:
    void buildCommonFields(const QString& name, int address, int nameLength);
    void addButtons();
    void acceptPhone();
    void acceptEthernet();

    Operator& person_;
    PhoneSubscriber* phoneEntry_ = nullptr;
    EthernetSubscriber* ethernetEntry_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* phone_ = nullptr;
    std::array<QLineEdit*, 4> octets_{};
    QLineEdit* port_ = nullptr;
};
