#include "app/configuration_commands.h"

#include "app/app_state.h"
#include "app/configuration_files.h"
#include "exchange/configuration_transfer.h"
#include "exchange/request_layer.h"

ConfigurationCommands::ConfigurationCommands(AppState& state, Operator& person, ConfigurationWindows& windows,
                                             PcClock pcClock)
    : state_(state), person_(person), windows_(windows), pcClock_(std::move(pcClock))
{
}

void ConfigurationCommands::createNew()
{
    ConfigRecord record;
    if (windows_.editConfiguration(record, {}))
        saveConfiguration(person_, state_.directory, record, pcClock_());
}

void ConfigurationCommands::viewFile()
{
    std::optional<ConfigRecord> record = loadConfiguration(person_, state_.directory);
    if (!record)
        return;
    const ConfigRecord opened = *record;
    if (windows_.editConfiguration(*record, {}) && *record != opened)
        saveConfiguration(person_, state_.directory, *record, pcClock_());
}

void ConfigurationCommands::saveFromController()
{
    RequestLayer layer(state_.requestContext(person_));
    bool read = false;
    {
        const BusyCursor busy(person_);
        read = readConfigurationTables(layer);
    }
    if (!read) {
        person_.message(MessageKind::ExchangeResult, QStringLiteral("Параметры конфигурации не прочитаны"));
        return;
    }
    saveConfiguration(person_, state_.directory, ConfigRecord::fromImage(state_.image), pcClock_());
}
