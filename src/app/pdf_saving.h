#pragma once

#include "base/operator.h"

#include <QByteArray>
#include <QString>

// Saves `pdf`, a printout, under a name the operator chooses in `folder`,
// `proposedName` offered (".pdf" added when the name given has no extension).
// Empty bytes are a printout that could not be made: "Ошибка печати данных".
void savePdfAs(Operator& person, const QString& folder, const QString& proposedName, const QByteArray& pdf);
