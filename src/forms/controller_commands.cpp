#include "forms/controller_commands.h"

#include "app/app_state.h"
#include "forms/tformchangeaccess.h"
#include "forms/tformdt.h"
#include "exchange/clock_commands.h"
#include "exchange/request_layer.h"
#include "tables/user_access_rules.h"

#include <QDateTime>

namespace {
constexpr std::uint8_t clockTable = 2;
constexpr std::uint8_t userTable = 4;
constexpr std::uint8_t systemTable = 6;
constexpr std::uint8_t stateTable = 7;
constexpr std::uint8_t destroyed = 1;

bool tableDestroyed(const AppState& state, int table)
{
    return state.image.table(stateTable)[table] == destroyed;
}
} // namespace

namespace ControllerCommands {

bool dateAndTime(AppState& state, Operator& person, QWidget* parent)
{
    RequestLayer layer(state.requestContext(person));
    if (!layer.readFields({stateTable, 0, 7}))
        return false;
    if (tableDestroyed(state, systemTable)) {
        person.message(MessageKind::Information, QStringLiteral("Разрушена таблица системных параметров."),
                       QStringLiteral("Информация о текущих дате и времени не может быть представлена"));
        return false;
    }
    if (!layer.readFields({systemTable, 0, 10}))
        return false;
    if (tableDestroyed(state, clockTable)) {
        // The "с" of "Воcстановить" is a Latin letter in this question.
        if (person.message(MessageKind::Question, QStringLiteral("Таблица даты и времени разрушена."),
                           QStringLiteral("Воcстановить сейчас?")))
            writePcTime(layer, QDateTime::currentDateTime());
        return false;
    }
    if (!layer.readFields({clockTable, 0, 8}))
        return false;

    TFormDt dialog(state.image.copyOf({clockTable, 0, 8}), state.image.copyOf({systemTable, 0, 10}),
                   QDateTime::currentDateTime(), person, parent);
    dialog.exec();
    const std::optional<std::int16_t> correction = dialog.correction();
    if (!correction)
        return false;
    if (correctClock(state.engine, *correction)) {
        person.setPanel(StatusPanel::Transient, QStringLiteral("Корректировка времени выполнена"));
    } else {
        person.setPanel(StatusPanel::Transient, state.engine.errorMessage());
        person.message(MessageKind::ExchangeResult, QStringLiteral("Корректировка времени не выполнена"));
    }
    return true;
}

void userAccess(AppState& state, Operator& person, QWidget* parent)
{
    RequestLayer layer(state.requestContext(person));
    if (!layer.readFields({stateTable, 0, 38}))
        return;
    if (tableDestroyed(state, userTable)) {
        person.message(MessageKind::Information, QStringLiteral("Таблица доступа пользователей"),
                       QStringLiteral("требует полной перезаписи"));
        return;
    }
    if (!layer.readFields({userTable, 0, 11}) || !layer.readFields({userTable, 11, 5}))
        return;
    const QByteArray asRead = state.image.copyOf({userTable, 0, userSlots});
    TFormChangeAccess dialog(state.image.table(userTable), person, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.changedSlot() < 0)
        return;
    // The image keeps what the controller holds: a refused change is taken back.
    if (!layer.writeFields({userTable, static_cast<std::uint8_t>(dialog.changedSlot()), 1}))
        state.image.assign({userTable, 0, userSlots}, asRead);
}

} // namespace ControllerCommands
