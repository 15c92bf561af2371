#include "tables/operator_credentials.h"

#include "tables/user_record.h"

InputCheck applyOperatorCredentials(const QString& code, const QString& password, OperatorCredentials& credentials)
{
    if (code.isEmpty())
        return InputProblem{QStringLiteral("Не задан код идентификации пользователя"), {}};
    credentials.code = UserRecord::padded(code, UserRecord::codeLength);
    credentials.password = UserRecord::padded(password, UserRecord::passwordLength);
    return std::nullopt;
}
