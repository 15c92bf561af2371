#include "app/pdf_saving.h"

#include "app/file_save_choice.h"

#include <QFileInfo>

void savePdfAs(Operator& person, const QString& folder, const QString& proposedName, const QByteArray& pdf)
{
    if (pdf.isEmpty()) {
        person.message(MessageKind::Error, QStringLiteral("Ошибка печати данных"));
        return;
    }
    const QString suffix = QStringLiteral("pdf");
    const FileChoice choice{FileChoice::Mode::Save,
                            QStringLiteral("Введите имя файла для сохранения данных"),
                            folder,
                            QStringLiteral("Документ PDF (*.pdf);;Все файлы (*)"),
                            proposedName,
                            {}};
    const std::optional<QString> path = chooseFileToSave(person, choice, [&](const QString& name) {
        return QFileInfo(name).suffix().isEmpty() ? name + '.' + suffix : name;
    });
    if (path && savedOrTold(person, replaceFile(*path, {pdf})))
        person.message(MessageKind::Information,
                       QStringLiteral("Данные сохранены в файле %1.").arg(QFileInfo(*path).fileName()));
}
