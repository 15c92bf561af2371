#include "app/controller_commands.h"

#include "base/table_numbers.h"
#include "exchange/clock_commands.h"
#include "exchange/request_layer.h"
#include "exchange/table_effects.h"
#include "tables/controller_name.h"
#include "tables/date_time_table.h"
#include "tables/destroyed_tables.h"
#include "tables/identification.h"
#include "tables/user_access_rules.h"

namespace {

// Table 7 marks a destroyed table with this value; the commands act on it alone.
constexpr std::uint8_t destroyedFlag = 1;
// The date command needs table 7 only as far as the system parameters' flag.
constexpr FieldRange clockStates{TableNumber::TableStates, 0, TableNumber::SystemParameters + 1};
constexpr FieldRange allStates{TableNumber::TableStates, 0, DestroyedTables::Size};
constexpr FieldRange systemParameterFields{TableNumber::SystemParameters, 0, 10};
constexpr FieldRange identificationFields{TableNumber::Identification, 0, Identification::Size};
constexpr FieldRange nameField{TableNumber::ControllerName, 0, 1};
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
    if (!layer.readFields(systemParameterFields))
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
        windows_.chooseClockCorrection(image.fields(dateTime), image.fields(systemParameterFields), pcClock_());
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

void ControllerCommands::identification()
{
    RequestLayer layer(context_);
    if (layer.readFields(identificationFields))
        windows_.showIdentification(context_.image.fields(identificationFields));
}

void ControllerCommands::controllerName()
{
    RequestLayer layer(context_);
    if (!layer.readFields(nameField))
        return;
    ParamImage& image = context_.image;
    ControllerName::fromController(image);
    // The window shows the name trimmed: taken back unchanged, it keeps the blanks it had.
    const QString shown = ControllerName::shown(image);
    const std::optional<QString> name = windows_.editControllerName(shown);
    if (!name || *name == shown)
        return;
    const QByteArray asRead = image.copyOf(nameField);
    image.assign(nameField, ControllerName::field(*name));
    ControllerName::toController(image);
    const bool written = layer.writeFields(nameField);
    ControllerName::fromController(image);
    if (!written) {
        image.assign(nameField, asRead);
        return;
    }
    TableEffects::showControllerName(context_);
}

void ControllerCommands::systemParameters()
{
    if (editAndWrite(systemParameterFields,
                     [this](std::span<std::uint8_t> table) { return windows_.editSystemParameters(table); }))
        TableEffects::takeSystemParameters(context_);
}

void ControllerCommands::gasParamWriting()
{
    editAndWrite({TableNumber::GasParamWriting, 0, GasParameterCount},
                 [this](std::span<std::uint8_t> table) { return windows_.editGasParamWriting(table); });
}

void ControllerCommands::setPoints(GasSetPoint setPoint)
{
    editAndWrite({static_cast<std::uint8_t>(tableNumber(setPoint)), 0, GasParameterCount},
                 [this, setPoint](std::span<std::uint8_t> table) { return windows_.editSetPoints(setPoint, table); });
}

void ControllerCommands::hourlyMeanPeriod()
{
    editAndWrite({TableNumber::HourlyMeanPeriod, 0, 2},
                 [this](std::span<std::uint8_t> table) { return windows_.editHourlyMeanPeriod(table); });
}

bool ControllerCommands::editAndWrite(const FieldRange& range, const std::function<bool(std::span<std::uint8_t>)>& edit)
{
    if (!RequestLayer(context_).readFields(range))
        return false;
    const QByteArray asRead = context_.image.copyOf(range);
    if (edit(context_.image.fields(range)))
        return writeChanges(range, asRead);
    // A dialog left without confirming leaves nothing behind.
    context_.image.assign(range, asRead);
    return false;
}

bool ControllerCommands::writeChanges(const FieldRange& range, const QByteArray& asRead)
{
    if (RequestLayer(context_).writeChangedFields(range, asRead))
        return true;
    context_.image.assign(range, asRead);
    return false;
}

bool ControllerCommands::destroyed(std::uint8_t table) const
{
    return context_.image.table(TableNumber::TableStates)[table] == destroyedFlag;
}
