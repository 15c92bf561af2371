#pragma once

#include "base/input_problem.h"
#include "tables/config_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <variant>

// A configuration file: the 2601 bytes of the record, nothing before or after,
// with every byte of the flow-computers' write passwords stored as (4 − b) mod 256.
namespace ConfigFile {

inline constexpr int Size = ConfigRecord::Size;

// The bytes to write for a record.
QByteArray bytes(const ConfigRecord& record);

// The record a file holds, passwords plain. A file of another size, of another
// controller type or with a number of flow computers outside 1 to 16 is refused
// with "Файл %s не является файлом конфигурации" / "контроллера ККГ_04"; one
// made for another software version with "Файл параметров конфигурации %s
// подготовлен" / "для контроллера ККГ с версией ПО %d". `fileName` is the name
// without its folder.
std::variant<ConfigRecord, InputProblem> parse(QByteArrayView bytes, const QString& fileName);

// The name a save proposes: "gqc_%02d-%s-%02d%02d%02d%02d%02d.cnf" of the software
// version, the trimmed controller name made fit for a file name, and the year
// (two digits), month, day, hour and minute of `now`.
QString proposedName(const ConfigRecord& record, const QDateTime& now);

} // namespace ConfigFile
