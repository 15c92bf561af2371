#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <clocale>

// Tests never need a display and never wait for a person.
inline void prepareTestEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
}
