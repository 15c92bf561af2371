#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

// One user of the controller's user table (table 4 holds 16 of them):
// name (4 bytes), access level, a byte written as 0, write password (12 bytes)
// and identification code (4 bytes); texts are blank-padded.
class UserRecord {
public:
    static constexpr int size = 22;
    static constexpr int nameLength = 4;
    static constexpr int passwordLength = 12;
    static constexpr int codeLength = 4;

    enum Level : std::uint8_t { NoAccess = 0, Manufacturer = 1, Administrator = 2, Engineer = 3, Operator = 4 };

    // A free slot: level 0, name, password and code blank.
    UserRecord();
    // The first 22 bytes of `bytes`; a shorter view is blank-padded.
    explicit UserRecord(QByteArrayView bytes);

    QByteArray name() const { return bytes_.mid(nameOffset, nameLength); }
    std::uint8_t level() const { return static_cast<std::uint8_t>(bytes_[levelOffset]); }
    QByteArray password() const { return bytes_.mid(passwordOffset, passwordLength); }
    QByteArray code() const { return bytes_.mid(codeOffset, codeLength); }

    void setName(const QString& text);
    void setLevel(std::uint8_t level) { bytes_[levelOffset] = static_cast<char>(level); }
    void setPassword(const QString& text);
    void setCode(const QString& text);

    bool registered() const { return level() != NoAccess; }
    // The code identifies a user only when its first byte is not 0 and it is not all blanks.
    bool hasCode() const;

    const QByteArray& bytes() const { return bytes_; }

    // `text` in Windows-1251, cut or blank-padded to `width` bytes.
    static QByteArray padded(const QString& text, int width);

private:
    static constexpr int nameOffset = 0;
    static constexpr int levelOffset = 4;
    static constexpr int passwordOffset = 6;
    static constexpr int codeOffset = 18;

    QByteArray bytes_;
};
