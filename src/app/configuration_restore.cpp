#include "app/configuration_restore.h"

#include "app/configuration_files.h"
#include "app/engine_credentials.h"
#include "base/byte_view.h"
#include "base/table_numbers.h"
#include "exchange/clock_commands.h"
#include "exchange/configuration_transfer.h"
#include "exchange/request_layer.h"
#include "tables/table_state_set.h"
#include "tables/user_access_rules.h"

namespace {

const QString tablesNotWritable = QStringLiteral("Запись в таблицы параметров конфигурации недопустима");

bool writeUserTable(RequestLayer& layer)
{
    bool written = false;
    {
        // A controller whose user table is destroyed takes only blank credentials.
        const ScopedBlankCredentials blank(layer.context().engine);
        written = layer.writeFields({TableNumber::Users, 0, 10}) && layer.writeFields({TableNumber::Users, 10, 6});
    }
    if (!written)
        layer.context().person.message(MessageKind::Information,
                                       QStringLiteral("Таблица зарегистрированных пользователей не восстановлена"),
                                       tablesNotWritable);
    return written;
}

} // namespace

ConfigurationRestore::ConfigurationRestore(const WorkDirectory& directory, ConfigurationWindows& windows,
                                           PcClock pcClock)
    : directory_(directory), windows_(windows), pcClock_(std::move(pcClock))
{
}

bool ConfigurationRestore::run(RequestLayer& layer, TableStateSet& states)
{
    Operator& person = layer.context().person;
    std::optional<ConfigRecord> record = loadConfiguration(person, directory_);
    if (!record)
        return false;
    const bool users = states.isToWrite(TableNumber::Users);
    if (states.nothingChosenBut({TableNumber::DateTime, TableNumber::Users})) {
        if (users) {
            if (!windows_.rebuildUserTable(record->table(TableNumber::Users))) {
                person.message(MessageKind::Information,
                               QStringLiteral("Таблица доступа к записи в контроллер не восстановлена"),
                               tablesNotWritable);
                return false;
            }
            layer.context().image.assign({TableNumber::Users, 0, userSlots},
                                         byteView(record->table(TableNumber::Users)));
        }
        if (states.isToWrite(TableNumber::DateTime) && !readSystemParametersForClock(layer, states))
            return false;
    } else if (!correct(layer, *record, users)) {
        return false;
    }
    return writeChosenTables(layer, states, pcClock_);
}

bool ConfigurationRestore::correct(RequestLayer& layer, ConfigRecord& record, bool withUsers)
{
    Operator& person = layer.context().person;
    for (;;) {
        const ConfigRecord opened = record;
        if (!windows_.editConfiguration(record, {true, withUsers}))
            return false;
        if (record != opened)
            saveConfiguration(person, directory_, record, pcClock_());
        const InputCheck problem = copyIntoImage(record, layer.context().image, withUsers);
        if (!problem)
            return true;
        person.message(MessageKind::InputError, problem->line1, problem->line2);
        if (!person.message(MessageKind::Question, QStringLiteral("Корректировать параметры конфигурации?"))) {
            person.message(MessageKind::Information, QStringLiteral("Запись таблиц не выполнена"));
            return false;
        }
    }
}

bool writeChosenTables(RequestLayer& layer, TableStateSet& states, const PcClock& pcClock,
                       PcTimeConfirmation confirmation)
{
    layer.context().person.setPanel(StatusPanel::Transient, {});
    if (states.isToWrite(TableNumber::Users)) {
        if (!writeUserTable(layer))
            return false;
        states.setToWrite(TableNumber::Users, false);
    }
    if (states.isToWrite(TableNumber::DateTime)) {
        if (!writePcTime(layer, pcClock(), confirmation))
            return false;
        states.setToWrite(TableNumber::DateTime, false);
    }
    return writeConfigurationTables(layer, states);
}

bool readSystemParametersForClock(RequestLayer& layer, const TableStateSet& states)
{
    if (states.isToWrite(TableNumber::SystemParameters) || states.isDestroyed(TableNumber::SystemParameters)) {
        layer.context().person.message(MessageKind::SeeControllerState,
                                       QStringLiteral("Запись даты и времени невозможна"),
                                       QStringLiteral("при разрушенной таблице системных параметров"));
        return false;
    }
    return layer.readFields({TableNumber::SystemParameters, 0, 10});
}
