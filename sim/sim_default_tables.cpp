#include "sim/sim_default_tables.h"

#include "sim/sim_controller_options.h"
#include "sim/sim_table_map.h"
#include "sim/sim_users.h"

#include <array>
#include <cstring>

namespace {

constexpr std::array<int, 22> baudRates{300,  600,   1200,  2400,  3200,  3600,  4800,  5760,  6400,  7200,   7680,
                                        9600, 11520, 12800, 14400, 19200, 23040, 28800, 38400, 57600, 115200, 230400};

constexpr std::uint8_t hardwareVersion = 3;
constexpr std::array<std::uint8_t, 6> softwareCreated{21, 6, 15, 10, 30, 0};
constexpr std::uint8_t littleEndian = 1;
constexpr std::array<std::uint8_t, 3> protocolVersion{1, 2, 0};
constexpr int nameLength = 20;

// Defaults of the set-point tables 22 to 26, one column per table, by gas-parameter index.
constexpr std::array<std::array<float, 5>, 20> setPointDefaults{{
    {0.01f, 0.002f, 0.6f, 0.001f, 0.6f},    {0.05f, 0.05f, 6.0f, 0.01f, 6.0f},
    {0.01f, 0.002f, 1.2f, 0.001f, 1.2f},    {0.01f, 0.002f, 1.2f, 0.001f, 1.2f},
    {0.01f, 0.0002f, 1.2f, 0.0001f, 1.2f},  {0.01f, 0.0002f, 1.2f, 0.0001f, 1.2f},
    {0.01f, 0.0002f, 1.2f, 0.0001f, 1.2f},  {0.05f, 0.2f, 12.0f, 0.0f, 18.0f},
    {5.0f, 95.0f, 100.0f, 90.0f, 100.0f},   {0.05f, 0.01f, 8.0f, 0.0f, 12.0f},
    {0.05f, 0.1f, 10.0f, 0.01f, 12.0f},     {5.0f, 36.0f, 45.0f, 35.0f, 45.0f},
    {0.0001f, 0.67f, 1.0f, 0.66f, 1.05f},   {5.0f, 45.0f, 55.0f, 40.0f, 55.0f},
    {0.001f, 0.998f, 0.999f, 0.997f, 1.0f}, {0.0f, 98.0f, 103.0f, 97.0f, 103.0f},
    {0.0f, 59.0f, 62.0f, 54.0f, 62.0f},     {0.01f, 0.0002f, 1.2f, 0.0001f, 1.2f},
    {4.0f, 32.0f, 40.0f, 30.0f, 40.0f},     {0.0001f, 0.5f, 0.7f, 0.425f, 0.85f},
}};

void setBytes(QByteArray& table, std::initializer_list<int> bytes)
{
    int at = 0;
    for (const int value : bytes)
        table[at++] = static_cast<char>(value);
}

void putFloat(QByteArray& table, int at, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 0; shift < 4; ++shift)
        table[at + shift] = static_cast<char>((bits >> (8 * shift)) & 0xFF);
}

void putWord(QByteArray& table, int at, std::uint32_t value)
{
    for (int shift = 0; shift < 4; ++shift)
        table[at + shift] = static_cast<char>((value >> (8 * shift)) & 0xFF);
}

void fillIdentification(QByteArray& table, const SimControllerOptions& options)
{
    table[1] = static_cast<char>(options.typeCode);
    table[2] = static_cast<char>(hardwareVersion);
    table[3] = static_cast<char>(options.version);
    for (int i = 0; i < 6; ++i)
        table[4 + i] = static_cast<char>(softwareCreated[i]);
    table[10] = static_cast<char>(littleEndian);
    table[11] = 1; // works at any bit rate of the list
    table[12] = 0; // the name is held in code page 866
    table[13] = 0; // the address can be changed
    for (int i = 0; i < 3; ++i)
        table[14 + i] = static_cast<char>(protocolVersion[i]);
}

void fillUsers(QByteArray& table)
{
    const std::array<QByteArray, 3> records{
        SimUsers::record("MAN", 1, "111111", "0001"),
        SimUsers::record("ADM", 2, "222222", "0002"),
        SimUsers::record("OPER", 4, "444444", "0004"),
    };
    const QByteArray freeSlot = SimUsers::record("", 0, "", "");
    for (int slot = 0; slot < 16; ++slot)
        table.replace(slot * SimUsers::recordLength, SimUsers::recordLength,
                      slot < static_cast<int>(records.size()) ? records[slot] : freeSlot);
}

void fillFlowComputers(TableMemory& tables, int count)
{
    for (int i = 0; i < count; ++i) {
        const int type = i % 4;
        tables.table(17)[i] = static_cast<char>(type);
        tables.table(18)[i] = static_cast<char>(i + 1);
        tables.table(19)[i] = static_cast<char>(type == 1 ? 0x01 : 0x07);
        tables.table(20)[i] = static_cast<char>(i % 2);
        QByteArray password = QByteArray("VRG") + QByteArray::number(i + 1);
        tables.table(13).replace(i * 16, password.size(), password);
    }
}

void fillEthernet(QByteArray& table)
{
    setBytes(table, {192, 168, 1, 10, 255, 255, 255, 0, 192, 168, 1, 1});
    const std::array<std::uint32_t, 4> ports{502, 503, 4001, 4002};
    for (int i = 0; i < 4; ++i)
        putWord(table, 12 + 4 * i, ports[i]);
}

} // namespace

void SimDefaultTables::fill(TableMemory& tables, const SimControllerOptions& options)
{
    for (int number = 0; number < SimTableMap::tableCount; ++number)
        tables.table(number) = QByteArray(SimTableMap::size(number), '\0');

    fillIdentification(tables.table(0), options);
    const int code = baudCode(options.baud);
    setBytes(tables.table(3), {options.address, code < 0 ? baudCode(9600) : code, 3, 0});
    fillUsers(tables.table(4));
    tables.table(5) = nameInCodePage866(options.name);
    setBytes(tables.table(6), {3, 201, 3, 10, 201, 4, 9, 1, options.history.moistureMeter ? 1 : 0, 0});
    setBytes(tables.table(9), {options.flowComputers, 11, 5, 20, 3, 1, 0, 1});
    tables.table(13).fill(' ');
    fillFlowComputers(tables, options.flowComputers);
    setBytes(tables.table(14), {1, 11, 0, 0, 150, 5, 2, 0});
    setBytes(tables.table(15), {1, 11, 0, 0, 150, 5, 0, 0});
    for (const int parameter : {7, 9, 12})
        tables.table(21)[parameter] = 1;
    for (int column = 0; column < 5; ++column)
        for (int parameter = 0; parameter < 20; ++parameter)
            putFloat(tables.table(22 + column), 4 * parameter, setPointDefaults[parameter][column]);
    setBytes(tables.table(28), {1, 0});
    fillEthernet(tables.table(29));
}

int SimDefaultTables::baudCode(int bitsPerSecond)
{
    for (int code = 0; code < static_cast<int>(baudRates.size()); ++code)
        if (baudRates[code] == bitsPerSecond)
            return code;
    return -1;
}

int SimDefaultTables::baudRate(int code)
{
    return code >= 0 && code < static_cast<int>(baudRates.size()) ? baudRates[code] : 0;
}

QByteArray SimDefaultTables::nameInCodePage866(const QString& name)
{
    QByteArray bytes(nameLength, ' ');
    for (int i = 0; i < qMin<qsizetype>(name.size(), nameLength); ++i) {
        const char16_t c = name[i].unicode();
        char byte = '_';
        if (c < 0x80)
            byte = static_cast<char>(c);
        else if (c >= u'А' && c <= u'п')
            byte = static_cast<char>(0x80 + (c - u'А'));
        else if (c >= u'р' && c <= u'я')
            byte = static_cast<char>(0xE0 + (c - u'р'));
        else if (c == u'Ё')
            byte = static_cast<char>(0xF0);
        else if (c == u'ё')
            byte = static_cast<char>(0xF1);
        bytes[i] = byte;
    }
    return bytes;
}
