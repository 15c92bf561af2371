#include "sim/sim_users.h"

#include <QList>

namespace {
constexpr int nameOffset = 0, nameLength = 4;
constexpr int levelOffset = 4;
constexpr int passwordOffset = 6, passwordLength = 12;
constexpr int codeOffset = 18, codeLength = 4;
constexpr int lowestLevel = 4;

enum Error : std::uint8_t {
    badParameters = 4,
    emptyName = 27,
    emptyCode = 28,
    adjusterExists = 29,
    adjusterRemoved = 30,
    lastAdministratorRemoved = 31,
    nameTaken = 33,
};

struct User {
    QByteArrayView bytes;
    int level() const { return static_cast<std::uint8_t>(bytes[levelOffset]); }
    QByteArrayView name() const { return bytes.sliced(nameOffset, nameLength); }
    QByteArrayView password() const { return bytes.sliced(passwordOffset, passwordLength); }
    QByteArrayView code() const { return bytes.sliced(codeOffset, codeLength); }
};

QList<User> users(QByteArrayView table)
{
    QList<User> result;
    for (qsizetype at = 0; at + SimUsers::recordLength <= table.size(); at += SimUsers::recordLength)
        result.append(User{table.sliced(at, SimUsers::recordLength)});
    return result;
}

bool blank(QByteArrayView text)
{
    return text.toByteArray().trimmed().isEmpty();
}

int countLevel(const QList<User>& list, int level)
{
    int count = 0;
    for (const User& user : list)
        count += user.level() == level ? 1 : 0;
    return count;
}
} // namespace

SimUsers::Check SimUsers::check(QByteArrayView userTable, QByteArrayView credentials)
{
    constexpr std::uint8_t wrongPassword = 3, notRegistered = 34;
    if (credentials.size() != credentialsLength)
        return {0, notRegistered};
    const QByteArrayView password = credentials.first(passwordLength);
    const QByteArrayView code = credentials.sliced(passwordLength, codeLength);
    for (const User& user : users(userTable)) {
        if (user.level() == 0 || user.level() > lowestLevel || user.code() != code)
            continue;
        if (user.password() != password)
            return {0, wrongPassword};
        return {user.level(), 0};
    }
    return {0, notRegistered};
}

std::uint8_t SimUsers::validateWrite(QByteArrayView userTable, int first, QByteArrayView records, bool tableIntact)
{
    const QList<User> before = users(userTable);
    QByteArray resultBytes = tableIntact ? userTable.toByteArray() : QByteArray(userTable.size(), '\0');
    resultBytes.replace(first * recordLength, records.size(), records.toByteArray());
    const QList<User> after = users(resultBytes);

    const int last = first + static_cast<int>(records.size() / recordLength) - 1;
    for (int index = first; index <= last; ++index) {
        const User& user = after[index];
        if (user.level() > lowestLevel)
            return badParameters;
        if (tableIntact && before[index].level() == 1 && user.level() != 1)
            return adjusterRemoved;
        if (tableIntact && before[index].level() == 2 && user.level() != 2 && countLevel(after, 2) == 0)
            return lastAdministratorRemoved;
        if (user.level() == 0)
            continue;
        if (blank(user.name()))
            return emptyName;
        if (blank(user.code()) || user.code()[0] == '\0')
            return emptyCode;
        if (user.level() == 1 && countLevel(after, 1) > 1)
            return adjusterExists;
        for (int other = 0; other < after.size(); ++other)
            if (other != index && after[other].level() != 0 && after[other].name() == user.name())
                return nameTaken;
    }
    return 0;
}

QByteArray SimUsers::record(const QByteArray& name, int level, const QByteArray& password, const QByteArray& code)
{
    QByteArray bytes(recordLength, ' ');
    bytes.replace(nameOffset, qMin<qsizetype>(name.size(), nameLength), name.left(nameLength));
    bytes[levelOffset] = static_cast<char>(level);
    bytes[levelOffset + 1] = 0;
    bytes.replace(passwordOffset, qMin<qsizetype>(password.size(), passwordLength), password.left(passwordLength));
    bytes.replace(codeOffset, qMin<qsizetype>(code.size(), codeLength), code.left(codeLength));
    return bytes;
}
