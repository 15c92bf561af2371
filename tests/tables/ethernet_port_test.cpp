#include "tables/ethernet_port.h"
#include "tables/port_choices.h"

#include <gtest/gtest.h>

namespace {

// 192.168.1.10, mask 255.255.255.0, gateway 192.168.1.1, ports 502, 503, 65535, 70000.
const QByteArray Stored = QByteArray::fromHex("c0a8010affffff00c0a80101f6010000f7010000ffff000070110100");

InputCheck refusal(const EthernetPortFields& fields)
{
    QByteArray table = Stored;
    const InputCheck problem = applyEthernetPort(fields, table);
    EXPECT_EQ(table, Stored) << "nothing stored";
    return problem;
}

InputProblem outOfRange(const char* field)
{
    return {QString::fromUtf8(field), "Параметр вне допустимого диапазона"};
}

} // namespace

TEST(EthernetPort, AddressesAreStoredFirstOctetFirstAndPortsLowByteFirst)
{
    EthernetPortFields fields = ethernetPortFields(Stored);
    EXPECT_EQ(fields.ipAddress, (EthernetPortFields::Address{"192", "168", "1", "10"}));
    EXPECT_EQ(fields.ports, (EthernetPortFields::Address{"502", "503", "65535", "70000"}));

    fields.ports[3] = "0";
    QByteArray table(28, '\x55');
    EXPECT_EQ(applyEthernetPort(fields, table), std::nullopt);
    QByteArray expected = Stored;
    expected.replace(24, 4, QByteArray(4, '\0'));
    EXPECT_EQ(table, expected);
    EXPECT_EQ(ethernetPortFields(QByteArray(28, '\0')).gateway, (EthernetPortFields::Address{"0", "0", "0", "0"}))
        << "a new configuration";
}

TEST(EthernetPort, NumbersTooLargeForTheirBytesAreRefusedByName)
{
    const EthernetPortFields valid = [] {
        EthernetPortFields fields = ethernetPortFields(Stored);
        fields.ports[3] = "65535";
        return fields;
    }();
    EthernetPortFields fields = valid;
    fields.subnetMask[3] = "256";
    EXPECT_EQ(refusal(fields), outOfRange("Маска подсети"));
    fields.ipAddress[0] = "300";
    EXPECT_EQ(refusal(fields), outOfRange("IP-адрес контроллера")) << "checked in the dialog's order";
    fields.gateway[1] = " ";
    EXPECT_EQ(refusal(fields), PortChoice::notAllEntered()) << "an empty field first";

    fields = valid;
    fields.ports[0] = "65536";
    EXPECT_EQ(refusal(fields), outOfRange("Порт соединения  ВРГ 1"));
    EXPECT_EQ(refusal(ethernetPortFields(Stored)), outOfRange("Порт соединения ККГ 2")) << "a stored 70000";
}
