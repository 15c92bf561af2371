#include "support/windows_config_file.h"

#include "tables/config_file.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

void put(QByteArray& bytes, int offset, std::initializer_list<int> values)
{
    for (const int value : values)
        bytes[offset++] = static_cast<char>(value);
}

void putText(QByteArray& bytes, int offset, const QByteArray& text, int width)
{
    bytes.replace(offset, width, text.leftJustified(width, ' ', true));
}

} // namespace

QByteArray WindowsConfigFile::bytes() const
{
    QByteArray file(2601, '\0');
    file[0] = static_cast<char>(origin);
    // Table 0 from offset 1: type 73 at 2, the software version at 4.
    put(file, 1, {0, 73, 3, softwareVersion, 21, 6, 15, 10, 30, 0, 1, 1, 0, 0, 1, 2, 0, 0});
    putText(file, 29, "GRS-7", 20);
    put(file, 69, {controllerAddress, 11, 3, 0});
    put(file, 173, {3, 201, 3, 10, 201, 4, 9, 1, 1, 0});
    put(file, 283, {chromatographAddress, 11, 0, 0, 150, 5, 2, 0});
    put(file, 341, {1, 11, 0, 0, 150, 5, 0, 0});
    for (int i = 0; i < 16; ++i) {
        const int at = 399 + 20 * i;
        const FlowComputer computer = i < static_cast<int>(flowComputers.size()) ? flowComputers[i] : FlowComputer{};
        if (i < static_cast<int>(flowComputers.size()))
            put(file, at, {computer.address, computer.type, computer.pipelines, computer.byteOrder});
        const QByteArray password = computer.password.leftJustified(16, ' ', true);
        for (int j = 0; j < 16; ++j)
            file[at + 4 + j] = static_cast<char>(4 - static_cast<std::uint8_t>(password[j]));
    }
    put(file, 819 + 7, {1});
    put(file, 819 + 9, {1});
    put(file, 819 + 12, {1});
    const float setPoint = 0.5f;
    for (int table = 0; table < 5; ++table)
        for (int k = 0; k < 20; ++k)
            qToLittleEndian(setPoint, file.data() + 939 + 180 * table + 4 * k);
    put(file, 1839, {1, 0});
    put(file, 1849, {192, 168, 1, 10, 255, 255, 255, 0, gateway[0], gateway[1], gateway[2], gateway[3]});
    for (int port = 0; port < 4; ++port)
        qToLittleEndian<quint32>(502 + port, file.data() + 1861 + 4 * port);
    for (int slot = 0; slot < 16; ++slot) {
        const User user = slot < static_cast<int>(users.size()) ? users[slot] : User{};
        const int at = 1941 + 22 * slot;
        putText(file, at, user.name, 4);
        put(file, at + 4, {user.level, 0});
        putText(file, at + 6, user.password, 12);
        putText(file, at + 18, user.code, 4);
    }
    put(file, 2393, {static_cast<int>(flowComputers.size()), 11, 5, 20, 3, 1, 0, 1});
    return file;
}

ConfigRecord recordOf(const WindowsConfigFile& file)
{
    auto parsed = ConfigFile::parse(file.bytes(), QStringLiteral("test.cnf"));
    EXPECT_TRUE(std::holds_alternative<ConfigRecord>(parsed));
    return std::holds_alternative<ConfigRecord>(parsed) ? std::get<ConfigRecord>(parsed) : ConfigRecord();
}
