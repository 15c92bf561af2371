#include "app/configuration_files.h"

#include "base/safe_save.h"
#include "base/save_report.h"
#include "settings/work_directory.h"
#include "tables/config_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Filter = QStringLiteral("Файлы конфигурации (*.cnf);;Все файлы (*)");

const QString CannotOpen = QStringLiteral("Ошибка открытия файла");

void tellCannotOpen(Operator& person)
{
    person.message(MessageKind::Error, CannotOpen);
}

} // namespace

std::variant<ConfigRecord, InputProblem> readConfigurationFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return InputProblem{CannotOpen, {}};
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
                                                           {}});
    if (!path)
        return std::nullopt;
    auto read = readConfigurationFile(*path);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        // The open failure is an error of its own kind, the refusals are of the input.
        person.message(problem->line1 == CannotOpen ? MessageKind::Error : MessageKind::InputError, problem->line1,
                       problem->line2);
        return std::nullopt;
    }
    return std::get<ConfigRecord>(read);
}

bool writeConfigurationFile(Operator& person, const QString& path, const ConfigRecord& record)
{
    const SaveResult saved = replaceFile(path, {ConfigFile::bytes(record)});
    if (saved.status == SaveStatus::NotCreated)
        tellCannotOpen(person);
    else if (saved.failed())
        reportSaveFailure(person, saved);
    return !saved.failed();
}

void saveConfiguration(Operator& person, const WorkDirectory& directory, const ConfigRecord& record,
                       const QDateTime& now)
{
    const FileChoice choice{FileChoice::Mode::Save, QStringLiteral("Выбор файла для записи параметров конфигурации"),
                            directory.config(), Filter, ConfigFile::proposedName(record, now)};
    for (;;) {
        const std::optional<QString> chosen = person.chooseFile(choice);
        if (!chosen)
            return;
        const QString path = withConfigurationExtension(*chosen);
        const QString fileName = QFileInfo(path).fileName();
        if (QFileInfo::exists(path) &&
            !person.message(MessageKind::Question, QStringLiteral("Файл %1 уже есть.").arg(fileName),
                            QStringLiteral("Вы хотите заменить существующий файл?")))
            continue;
        if (writeConfigurationFile(person, path, record))
            person.message(MessageKind::Information, QStringLiteral("Параметры конфигурации"),
                           QStringLiteral("сохранены в файле %1").arg(fileName));
        return;
    }
}
