#include "base/save_report.h"

#include <QDir>

void reportSaveFailure(Operator& person, const SaveResult& result)
{
    if (result.failed())
        person.message(MessageKind::Error, QStringLiteral("Ошибка записи файла"),
                       QDir::toNativeSeparators(result.path));
}
