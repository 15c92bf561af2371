#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QWidget>

// Presses the button of `dialog` that shows `text`; false when there is none.
inline bool clickButton(QWidget& dialog, const QString& text)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text() == text) {
            button->click();
            return true;
        }
    return false;
}

template <typename Widget> Widget* child(QWidget& dialog, const QString& name)
{
    return dialog.findChild<Widget*>(name);
}

// Types into the named line edit of `dialog`, replacing what it held.
inline void typeInto(QWidget& dialog, const QString& name, const QString& text)
{
    if (auto* field = dialog.findChild<QLineEdit*>(name))
        field->setText(text);
}
