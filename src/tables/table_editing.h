#pragma once

#include <QString>

// Where the edits of a table dialog go: to the controller, or into the record of
// a configuration file, which is written to a controller later or never.
enum class TableEditing { Controller, Configuration };

// The caption of the dialog's accepting button.
inline QString acceptCaption(TableEditing editing)
{
    return editing == TableEditing::Controller ? QStringLiteral("Записать в устройство") : QStringLiteral("Принять");
}
