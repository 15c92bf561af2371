#include "forms/integer_key_filter.h"

#include "base/integer_keys.h"

#include <QKeyEvent>

void IntegerKeyFilter::install(QObject* field)
{
    field->installEventFilter(new IntegerKeyFilter(field));
}

bool IntegerKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Editing keys without text and shortcuts (copy, paste) always pass.
        const bool typesText = !key->text().isEmpty() && !(key->modifiers() & Qt::ControlModifier);
        if (typesText && key->key() != Qt::Key_Backspace && !integerKeyAccepted(key->text().front()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
