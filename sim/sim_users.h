#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

// The controller's checks over its user table (table 4, 16 records of 22 bytes):
// who is writing, and whether a write leaves a table the controller can work with.
class SimUsers {
public:
    static constexpr int recordLength = 22;
    static constexpr int credentialsLength = 16; // 12 password bytes, then 4 code bytes

    struct Check {
        int level = 0;          // 1 manufacturer-adjuster ... 4 operator
        std::uint8_t error = 0; // 3 wrong password, 34 no such user
    };

    static Check check(QByteArrayView userTable, QByteArrayView credentials);

    // Error code for storing `records` from record `first` on, 0 when the write is acceptable.
    // While the table is destroyed only the new records themselves are judged.
    static std::uint8_t validateWrite(QByteArrayView userTable, int first, QByteArrayView records, bool tableIntact);

    static QByteArray record(const QByteArray& name, int level, const QByteArray& password, const QByteArray& code);
};
