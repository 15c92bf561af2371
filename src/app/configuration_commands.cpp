#include "app/configuration_commands.h"

#include "app/configuration_files.h"
#include "exchange/configuration_transfer.h"
#include "exchange/request_layer.h"

ConfigurationCommands::ConfigurationCommands(const WorkDirectory& directory, RequestContext context,
                                             ConfigurationWindows& windows, PcClock pcClock)
    : directory_(directory), context_(context), windows_(windows), pcClock_(std::move(pcClock))
{
}

void ConfigurationCommands::createNew()
{
    ConfigRecord record;
    if (windows_.editConfiguration(record, {}))
        saveConfiguration(context_.person, directory_, record, pcClock_());
}

void ConfigurationCommands::viewFile()
{
    std::optional<ConfigRecord> record = loadConfiguration(context_.person, directory_);
    if (!record)
        return;
    const ConfigRecord opened = *record;
    if (windows_.editConfiguration(*record, {}) && *record != opened)
        saveConfiguration(context_.person, directory_, *record, pcClock_());
}

void ConfigurationCommands::saveFromController()
{
    RequestLayer layer(context_);
    bool read = false;
    {
        const BusyCursor busy(context_.person);
        read = readConfigurationTables(layer);
    }
    if (!read) {
        context_.person.message(MessageKind::ExchangeResult, QStringLiteral("Параметры конфигурации не прочитаны"));
        return;
    }
    saveConfiguration(context_.person, directory_, ConfigRecord::fromImage(context_.image), pcClock_());
}
