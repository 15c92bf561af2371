#include "app/configuration_files.h"

#include "app/file_save_choice.h"
#include "base/safe_save.h"
#include "settings/work_directory.h"
#include "tables/config_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Filter = QStringLiteral("Файлы конфигурации (*.cnf);;Все файлы (*)");

} // namespace

std::variant<ConfigRecord, InputProblem> readConfigurationFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return InputProblem{QStringLiteral("Ошибка открытия файла"), {}};
    // One byte more than a configuration tells a longer file from one of the size.
    const QByteArray bytes = file.read(ConfigFile::Size + 1);
    return ConfigFile::parse(bytes, QFileInfo(path).fileName());
}

QString withConfigurationExtension(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".cnf") : path;
}

std::optional<ConfigRecord> loadConfiguration(Operator& person, const WorkDirectory& directory)
{
    const std::optional<QString> path = person.chooseFile({FileChoice::Mode::Open,
                                                           QStringLiteral("Выбор файла с параметрами конфигурации"),
                                                           directory.config(),
                                                           Filter,
                                                           {},
                                                           {}});
    if (!path)
        return std::nullopt;
    auto read = readConfigurationFile(*path);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        tellReadProblem(person, *problem);
        return std::nullopt;
    }
    return std::get<ConfigRecord>(read);
}

bool writeConfigurationFile(Operator& person, const QString& path, const ConfigRecord& record)
{
    return savedOrTold(person, replaceFile(path, {ConfigFile::bytes(record)}));
}

void saveConfiguration(Operator& person, const WorkDirectory& directory, const ConfigRecord& record,
                       const QDateTime& now)
{
    const FileChoice choice{FileChoice::Mode::Save,
                            QStringLiteral("Выбор файла для записи параметров конфигурации"),
                            directory.config(),
                            Filter,
                            ConfigFile::proposedName(record, now),
                            {}};
    const std::optional<QString> path = chooseFileToSave(person, choice, withConfigurationExtension);
    if (path && writeConfigurationFile(person, *path, record))
        person.message(MessageKind::Information, QStringLiteral("Параметры конфигурации"),
                       QStringLiteral("сохранены в файле %1").arg(QFileInfo(*path).fileName()));
}
