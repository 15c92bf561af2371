#include "app/file_save_choice.h"

#include "base/save_report.h"

#include <QFileInfo>

namespace {
const QString CannotOpen = QStringLiteral("Ошибка открытия файла");
} // namespace

std::optional<QString> chooseFileToSave(Operator& person, const FileChoice& choice,
                                        const std::function<QString(const QString&)>& completed)
{
    for (;;) {
        const std::optional<QString> chosen = person.chooseFile(choice);
        if (!chosen)
            return std::nullopt;
        const QString path = completed(*chosen);
        if (!QFileInfo::exists(path) ||
            person.message(MessageKind::Question, QStringLiteral("Файл %1 уже есть.").arg(QFileInfo(path).fileName()),
                           QStringLiteral("Вы хотите заменить существующий файл?")))
            return path;
    }
}

bool savedOrTold(Operator& person, const SaveResult& result)
{
    if (result.status == SaveStatus::NotCreated)
        person.message(MessageKind::Error, CannotOpen);
    else
        reportSaveFailure(person, result);
    return !result.failed();
}

void tellReadProblem(Operator& person, const InputProblem& problem)
{
    // The open failure is an error of its own kind, the refusals are of the input.
    person.message(problem.line1 == CannotOpen ? MessageKind::Error : MessageKind::InputError, problem.line1,
                   problem.line2);
}
