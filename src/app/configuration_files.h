#pragma once

#include "base/operator.h"
#include "tables/config_record.h"

#include <QDateTime>
#include <optional>
#include <variant>

class WorkDirectory;

// Configuration files chosen and written with the operator, in the CONFIG folder.

// The record in the file at `path`; "Ошибка открытия файла" when it cannot be
// opened, else what the configuration file's check says of its bytes. At most
// one byte more than a configuration is read, whatever the file's size.
std::variant<ConfigRecord, InputProblem> readConfigurationFile(const QString& path);

// The name a configuration is saved under: ".cnf" added when `path` has no extension.
QString withConfigurationExtension(const QString& path);

// Replaces the file at `path` with the record, through the safe save; false,
// the operator told why and the old file kept, when that fails.
bool writeConfigurationFile(Operator& person, const QString& path, const ConfigRecord& record);

// Asks for a configuration file and reads it. None when the operator cancelled,
// or when the file could not be read or is not a configuration (the operator was told).
std::optional<ConfigRecord> loadConfiguration(Operator& person, const WorkDirectory& directory);

// Proposes a name made of the record and `now` and writes the record under the
// name the operator gives, ".cnf" added when it has no extension; an existing
// file is replaced only when the operator agrees, else the dialog comes again.
// The operator is told how the save went; cancelling the dialog saves nothing.
void saveConfiguration(Operator& person, const WorkDirectory& directory, const ConfigRecord& record,
                       const QDateTime& now);
