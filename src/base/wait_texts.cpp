#include "base/wait_texts.h"

std::array<QString, 3> waitModeLines(WaitMode mode)
{
    const QString wait = QStringLiteral("Ожидайте...");
    switch (mode) {
    case WaitMode::CheckingConfiguration:
        return {wait, QStringLiteral("Выполняется проверка"), QStringLiteral("всех параметров конфигурации")};
    case WaitMode::ReadingData:
        return {wait, QStringLiteral("Выполняется чтение данных"), QStringLiteral("Esc - прервать чтение")};
    case WaitMode::WritingConfiguration:
        return {wait, QStringLiteral("Выполняется запись параметров"), QStringLiteral("конфигурации в контроллер")};
    case WaitMode::ReadingConfiguration:
        return {wait, QStringLiteral("Выполняется чтение"), QStringLiteral("таблиц параметров конфигурации")};
    case WaitMode::MakingSpreadsheet:
        return {wait, QStringLiteral("Выполняется создание"), QStringLiteral("таблицы в формате Excel")};
    case WaitMode::AwaitingReconnect:
        return {QStringLiteral("Команда передана. Выполняется проверка"),
                QStringLiteral("восстановления связи с контроллером"), wait};
    }
    return {};
}
