#pragma once

#include "tables/table_editing.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <span>

class Operator;
class QFormLayout;
class QLineEdit;

// The controller's Ethernet interface (table 29): its address, subnet mask and
// gateway, octet by octet, and the TCP ports of its four connections.
class TFormConEth : public QDialog {
    Q_OBJECT
public:
    TFormConEth(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent = nullptr);

private:
    using Octets = std::array<QLineEdit*, 4>;

    Octets addAddressRow(const QString& label, const std::array<QString, 4>& octets, const QString& name);
    void store();

    std::span<std::uint8_t> table_;
    Operator& person_;
    QFormLayout* form_;
    Octets ipAddress_{};
    Octets subnetMask_{};
    Octets gateway_{};
    std::array<QLineEdit*, 4> ports_{};
};
