#include "app/controller_commands.h"

#include "base/table_numbers.h"
#include "exchange/clock_commands.h"
#include "exchange/request_layer.h"
#include "tables/date_time_table.h"
#include "tables/destroyed_tables.h"
#include "tables/user_access_rules.h"

namespace {

// Table 7 marks a destroyed table with this value; the commands act on it alone.
constexpr std::uint8_t destroyedFlag = 1;
// The date command needs table 7 only as far as the system parameters' flag.
constexpr FieldRange clockStates{TableNumber::TableStates, 0, TableNumber::SystemParameters + 1};
constexpr FieldRange allStates{TableNumber::TableStates, 0, DestroyedTables::Size};
constexpr FieldRange systemParameters{TableNumber::SystemParameters, 0, 10};
constexpr FieldRange dateTime{TableNumber::DateTime, 0, DateTimeTable::size};
constexpr FieldRange users{TableNumber::Users, 0, userSlots};
// One answer carries at most eleven user records: the table comes in two reads.
constexpr FieldRange firstUsers{TableNumber::Users, 0, 11};
constexpr FieldRange lastUsers{TableNumber::Users, 11, userSlots - 11};

} // namespace

ControllerCommands::ControllerCommands(RequestContext context, ControllerCommandWindows& windows, PcClock pcClock)
    : context_(context), windows_(windows), pcClock_(std::move(pcClock))
{
}

void ControllerCommands::dateAndTime()
{
    RequestLayer layer(context_);
    Operator& person = context_.person;
    if (!layer.readFields(clockStates))
        return;
    if (destroyed(TableNumber::SystemParameters)) {
        person.message(MessageKind::Information, QStringLiteral("Разрушена таблица системных параметров."),
                       QStringLiteral("Информация о текущих дате и времени не может быть представлена"));
        return;
    }
    if (!layer.readFields(systemParameters))
        return;
    if (destroyed(TableNumber::DateTime)) {
        // The "с" of "Воcстановить" is a Latin letter in this question.
        if (person.message(MessageKind::Question, QStringLiteral("Таблица даты и времени разрушена."),
                           QStringLiteral("Воcстановить сейчас?")))
            writePcTime(layer, pcClock_());
        return;
    }
    if (!layer.readFields(dateTime))
        return;

    const ParamImage& image = context_.image;
    const std::optional<std::int16_t> correction =
        windows_.chooseClockCorrection(image.fields(dateTime), image.fields(systemParameters), pcClock_());
    if (!correction)
        return;
    hgcbox& engine = context_.engine;
    if (correctClock(engine, *correction)) {
        person.setPanel(StatusPanel::Transient, QStringLiteral("Корректировка времени выполнена"));
    } else {
        person.setPanel(StatusPanel::Transient, engine.errorMessage());
        person.message(MessageKind::ExchangeResult, QStringLiteral("Корректировка времени не выполнена"));
    }
    windows_.startMessageTimer();
}

void ControllerCommands::userAccess()
{
    RequestLayer layer(context_);
    if (!layer.readFields(allStates))
        return;
    if (destroyed(TableNumber::Users)) {
        // Only the destroyed-tables procedure at connection start rebuilds it.
        context_.person.message(MessageKind::Information, QStringLiteral("Таблица доступа пользователей"),
                                QStringLiteral("требует полной перезаписи"));
        return;
    }
    if (!layer.readFields(firstUsers) || !layer.readFields(lastUsers))
        return;

    ParamImage& image = context_.image;
    const QByteArray asRead = image.copyOf(users);
    const std::optional<int> slot = windows_.changeUser(image.fields(users));
    if (slot && layer.writeFields({TableNumber::Users, static_cast<std::uint8_t>(*slot), 1}))
        return;
    image.assign(users, asRead);
}

bool ControllerCommands::destroyed(std::uint8_t table) const
{
    return context_.image.table(TableNumber::TableStates)[table] == destroyedFlag;
}
