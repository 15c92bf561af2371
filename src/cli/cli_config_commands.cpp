#include "cli/cli_config_commands.h"

#include "app/configuration_files.h"
#include "app/configuration_restore.h"
#include "app/served_controller.h"
#include "base/table_numbers.h"
#include "exchange/configuration_transfer.h"
#include "tables/config_comparison.h"
#include "tables/config_description.h"
#include "tables/identification.h"
#include "tables/table_info_rules.h"
#include "tables/table_state_set.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>

namespace {

constexpr FieldRange IdentificationFields{TableNumber::Identification, 0, Identification::Size};
constexpr FieldRange TableStateFields{TableNumber::TableStates, 0, DestroyedTables::Size};

// The two lines of a refusal as the desktop program's message shows them.
void printProblem(const InputProblem& problem, QTextStream& errors)
{
    errors << problem.line1 << '\n';
    if (!problem.line2.isEmpty())
        errors << problem.line2 << '\n';
}

std::optional<ConfigRecord> loadFile(const QString& path, QTextStream& errors)
{
    auto read = readConfigurationFile(path);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        printProblem(*problem, errors);
        return std::nullopt;
    }
    return std::get<ConfigRecord>(read);
}

// The identification first: it says which character set the name is in.
std::optional<ConfigRecord> readController(RequestLayer& layer, QTextStream& errors)
{
    if (!layer.readFields(IdentificationFields, false) || !readConfigurationTables(layer)) {
        errors << layer.failure() << '\n';
        return std::nullopt;
    }
    return ConfigRecord::fromImage(layer.context().image);
}

int saveConfig(const CliOptions& options, const OverLink& overLink, QTextStream& out, QTextStream& errors)
{
    return overLink([&](RequestLayer& layer) {
        const std::optional<ConfigRecord> record = readController(layer, errors);
        if (!record || !writeConfigurationFile(layer.context().person, options.file, *record))
            return 1;
        out << "Параметры конфигурации сохранены в файле " << QFileInfo(options.file).fileName() << '\n';
        return 0;
    });
}

int configInfo(const CliOptions& options, QTextStream& out, QTextStream& errors)
{
    const std::optional<ConfigRecord> record = loadFile(options.file, errors);
    if (!record)
        return 1;
    QString group;
    for (const ConfigItem& item : describeConfiguration(*record)) {
        if (item.group != group) {
            group = item.group;
            out << group << '\n';
        }
        out << "  " << item.label << ": " << shownValue(item) << '\n';
    }
    return 0;
}

// Table 7 tells a working controller's destroyed tables, when the identification
// says there are any; one of the unconfigured version has them all destroyed.
std::optional<DestroyedTables> destroyedTables(RequestLayer& layer, const Identification& identification)
{
    if (identification.softwareVersion() == Identification::UnconfiguredSoftwareVersion)
        return DestroyedTables::everyTable();
    if (identification.destroyedTable() == 0)
        return DestroyedTables();
    if (!layer.readFields(TableStateFields, false))
        return std::nullopt;
    return DestroyedTables(layer.context().image.table(TableNumber::TableStates));
}

// As "Записать все таблицы" chooses them: the clock only when destroyed, and then
// from the PC's; the user table only when destroyed, and then first, with blank
// credentials. A controller of the unconfigured version takes its new port
// settings only when it starts again, so the engine stays at the address it has.
int writeConfig(const ConfigRecord& record, RequestLayer& layer, QTextStream& errors)
{
    RequestContext& context = layer.context();
    if (!layer.readFields(IdentificationFields, false)) {
        errors << layer.failure() << '\n';
        return 1;
    }
    const Identification identification(context.image.table(TableNumber::Identification));
    if (const InputCheck refusal = servedControllerCheck(identification)) {
        printProblem(*refusal, errors);
        return 1;
    }
    const std::optional<DestroyedTables> destroyed = destroyedTables(layer, identification);
    if (!destroyed) {
        errors << layer.failure() << '\n';
        return 1;
    }
    TableStateSet states(*destroyed);
    TableInfo::chooseAll(states);
    if (const InputCheck problem = copyIntoImage(record, context.image, states.isToWrite(TableNumber::Users))) {
        printProblem(*problem, errors);
        return 1;
    }
    context.writeAndDisconnect = identification.softwareVersion() == Identification::UnconfiguredSoftwareVersion;
    // --yes said that the PC clock is right.
    if (!writeChosenTables(
            layer, states, [] { return QDateTime::currentDateTime(); }, PcTimeConfirmation::Given)) {
        errors << layer.failure() << '\n';
        return 1;
    }
    return 0;
}

// Checked before the link is opened: a file that would be refused sends nothing.
int writeConfigFile(const CliOptions& options, const OverLink& overLink, QTextStream& errors)
{
    const std::optional<ConfigRecord> record = loadFile(options.file, errors);
    if (!record)
        return 1;
    ParamImage scratch;
    if (const InputCheck problem = copyIntoImage(*record, scratch, false)) {
        printProblem(*problem, errors);
        return 1;
    }
    return overLink([&](RequestLayer& layer) { return writeConfig(*record, layer, errors); });
}

// The controller never gives the flow computers' passwords back.
void dropFlowComputerPasswords(std::vector<ConfigItem>& items)
{
    std::erase_if(items, [](const ConfigItem& item) { return item.table == TableNumber::FlowComputerPasswords; });
}

int configDiff(const CliOptions& options, const OverLink& overLink, QTextStream& out, QTextStream& errors)
{
    const int trouble = failureStatus(options);
    const bool live = needsLink(options);
    std::optional<ConfigRecord> sides[2];
    const QString names[2] = {options.file, options.otherFile};
    for (int side = 0; side < 2; ++side)
        if (names[side] != ControllerSide && !(sides[side] = loadFile(names[side], errors)))
            return trouble;
    if (live) {
        const int status = overLink([&](RequestLayer& layer) {
            const std::optional<ConfigRecord> controller = readController(layer, errors);
            if (!controller)
                return trouble;
            for (std::optional<ConfigRecord>& side : sides)
                if (!side)
                    side = controller;
            return 0;
        });
        if (status != 0)
            return status;
    }
    std::vector<ConfigItem> before = describeConfiguration(*sides[0]);
    std::vector<ConfigItem> after = describeConfiguration(*sides[1]);
    if (live) {
        dropFlowComputerPasswords(before);
        dropFlowComputerPasswords(after);
    }
    const QStringList lines = configDifferences(before, after);
    for (const QString& line : lines)
        out << line << '\n';
    return lines.isEmpty() ? 0 : 1;
}

} // namespace

bool isConfigurationCommand(CliOptions::Command command)
{
    using enum CliOptions::Command;
    return command == SaveConfig || command == ConfigInfo || command == WriteConfig || command == ConfigDiff;
}

int runConfigurationCommand(const CliOptions& options, const OverLink& overLink, QTextStream& out, QTextStream& errors)
{
    switch (options.command) {
    case CliOptions::Command::SaveConfig:
        return saveConfig(options, overLink, out, errors);
    case CliOptions::Command::ConfigInfo:
        return configInfo(options, out, errors);
    case CliOptions::Command::WriteConfig:
        return writeConfigFile(options, overLink, errors);
    case CliOptions::Command::ConfigDiff:
        return configDiff(options, overLink, out, errors);
    default:
        return 2;
    }
}
