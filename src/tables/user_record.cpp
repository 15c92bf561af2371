#include "tables/user_record.h"

#include "base/windows1251.h"

UserRecord::UserRecord() : bytes_(size, ' ')
{
    bytes_[levelOffset] = 0;
    bytes_[levelOffset + 1] = 0;
}

UserRecord::UserRecord(QByteArrayView bytes) : UserRecord()
{
    const qsizetype length = std::min<qsizetype>(bytes.size(), size);
    bytes_.replace(0, length, bytes.first(length));
}

QByteArray UserRecord::padded(const QString& text, int width)
{
    QByteArray bytes = toWindows1251(text).left(width);
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

void UserRecord::setName(const QString& text)
{
    bytes_.replace(nameOffset, nameLength, padded(text, nameLength));
}

void UserRecord::setPassword(const QString& text)
{
    bytes_.replace(passwordOffset, passwordLength, padded(text, passwordLength));
}

void UserRecord::setCode(const QString& text)
{
    bytes_.replace(codeOffset, codeLength, padded(text, codeLength));
}

bool UserRecord::hasCode() const
{
    const QByteArray value = code();
    return value[0] != '\0' && value != QByteArray(codeLength, ' ');
}
