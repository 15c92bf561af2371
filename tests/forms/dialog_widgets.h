#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

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

// Once the modal dialog of type `Dialog` is open, does to it what `act` says.
template <typename Dialog> void whenOpen(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

// As whenOpen, for a dialog that opens once the modal one closing now has
// let its event loop go: waits for it through the events still queued.
template <typename Dialog> void whenNextOpen(std::function<void(Dialog&)> act, int events = 100)
{
    QTimer::singleShot(0, [act, events] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            act(*dialog);
        else if (events > 0)
            whenNextOpen<Dialog>(act, events - 1);
        else
            ADD_FAILURE() << "the dialog did not open";
    });
}
