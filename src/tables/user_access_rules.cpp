#include "tables/user_access_rules.h"

#include "base/windows1251.h"

namespace {

const QString repeatFromStart = QStringLiteral("Повторите процесс сначала");
const QString noCode = QStringLiteral("Не задан код идентификации пользователя");

int countOfLevel(QByteArrayView table, std::uint8_t level)
{
    int count = 0;
    for (int slot = 0; slot < userSlots; ++slot)
        count += userAt(table, slot).level() == level;
    return count;
}

UserChangeOutcome refused(InputProblem problem, UserChangeOutcome::Clear clear = UserChangeOutcome::Clear::Nothing)
{
    return {std::move(problem), clear, UserRecord()};
}

InputProblem usersClash(int first, int second, const char* what)
{
    return {QString::asprintf("Пользователи   %d и %d.", first + 1, second + 1), QString::fromUtf8(what)};
}

} // namespace

UserRecord userAt(QByteArrayView table, int slot)
{
    const qsizetype offset = static_cast<qsizetype>(slot) * UserRecord::size;
    if (slot < 0 || offset >= table.size())
        return UserRecord();
    return UserRecord(table.sliced(offset));
}

UserChangeOutcome withPasswordAndCode(UserRecord record, const QString& password, const QString& passwordAgain,
                                      const QString& code, const QString& codeAgain)
{
    using Clear = UserChangeOutcome::Clear;
    if (password != passwordAgain)
        return refused(InputProblem{QStringLiteral("Несовпадение введенных паролей"), repeatFromStart},
                       Clear::Passwords);
    if (code != codeAgain)
        return refused(InputProblem{QStringLiteral("Несовпадение введенных кодов"), repeatFromStart}, Clear::Codes);
    if (code.isEmpty())
        return refused(InputProblem{noCode, {}});
    record.setPassword(password);
    record.setCode(code);
    return {std::nullopt, Clear::Nothing, record};
}

UserRecord editedRow(const UserRecord& row, std::uint8_t level, const QString& name)
{
    if (level == UserRecord::NoAccess)
        return UserRecord();
    UserRecord edited = row;
    edited.setName(name);
    edited.setLevel(level);
    return edited;
}

QString shownName(const UserRecord& user)
{
    if (!user.registered())
        return {};
    QString name = fromWindows1251(user.name());
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

UserChangeOutcome checkUserChange(QByteArrayView table, int slot, const UserChangeFields& fields)
{
    using Clear = UserChangeOutcome::Clear;
    const UserRecord current = userAt(table, slot);
    const bool wasManufacturer = current.level() == UserRecord::Manufacturer;

    if (wasManufacturer && fields.level != UserRecord::Manufacturer)
        return refused(InputProblem{QStringLiteral("Вы не можете удалить пользователя"),
                                    QStringLiteral("с уровнем доступа \"Производитель-наладчик\"")});
    if (!wasManufacturer && fields.level == UserRecord::Manufacturer)
        return refused(InputProblem{QStringLiteral("Может быть зарегистрирован"),
                                    QStringLiteral("только один производитель-наладчик")});
    if (countOfLevel(table, UserRecord::Administrator) == 1 && current.level() == UserRecord::Administrator &&
        fields.level != UserRecord::Administrator)
        return refused(InputProblem{QStringLiteral("Вы не можете удалить единственного пользователя"),
                                    QStringLiteral("с уровнем доступа \"Администратор\"")});
    if (fields.level == UserRecord::NoAccess)
        return {std::nullopt, Clear::Nothing, UserRecord()};
    const UserChangeOutcome entered =
        withPasswordAndCode(editedRow(UserRecord(), fields.level, fields.name), fields.password, fields.passwordAgain,
                            fields.code, fields.codeAgain);
    if (entered.problem)
        return entered;
    if (fields.name.trimmed().isEmpty())
        return refused(InputProblem{QString::asprintf("Номер пользователя в таблице - %d.", slot + 1),
                                    QStringLiteral("Не задано имя пользователя")});

    const UserRecord& record = entered.record;
    for (int other = 0; other < userSlots; ++other)
        if (other != slot && userAt(table, other).name() == record.name())
            return refused(InputProblem{
                QString::asprintf("Пользователи   %d и % d.", std::min(slot, other) + 1, std::max(slot, other) + 1),
                QStringLiteral("Совпадение имен пользователей")});
    return {std::nullopt, Clear::Nothing, record};
}

InputCheck validateUserTable(QByteArrayView table)
{
    const int manufacturers = countOfLevel(table, UserRecord::Manufacturer);
    if (manufacturers == 0)
        return InputProblem{QStringLiteral("В списке зарегистрированных пользователей"),
                            QStringLiteral("не зарегистрирован производитель-наладчик")};
    if (manufacturers > 1)
        return InputProblem{QStringLiteral("Может быть зарегистрирован"),
                            QStringLiteral("только один производитель-наладчик")};

    for (int slot = 0; slot < userSlots; ++slot) {
        const UserRecord user = userAt(table, slot);
        if (!user.registered())
            continue;
        const QString which = QString::asprintf("Номер пользователя в таблице: %d.", slot + 1);
        if (user.name() == QByteArray(UserRecord::nameLength, ' '))
            return InputProblem{which, QStringLiteral("Не задано имя пользователя")};
        if (!user.hasCode())
            return InputProblem{which, noCode};
    }
    for (int first = 0; first < userSlots; ++first)
        for (int second = first + 1; second < userSlots; ++second) {
            const UserRecord a = userAt(table, first);
            const UserRecord b = userAt(table, second);
            if (!a.registered() || !b.registered())
                continue;
            if (a.name() == b.name())
                return usersClash(first, second, "Совпадение имен пользователей");
            if (a.code() == b.code())
                return usersClash(first, second, "Совпадение кодов идентификации пользователя");
        }
    return std::nullopt;
}
