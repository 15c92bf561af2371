#pragma once

#include "base/input_problem.h"

#include <QByteArray>
#include <QString>

// What every write request carries: the operator's write password (12 bytes)
// and identification code (4 bytes), both blank-padded.
struct OperatorCredentials {
    QByteArray password = QByteArray(12, ' ');
    QByteArray code = QByteArray(4, ' ');

    bool operator==(const OperatorCredentials&) const = default;
};

// The operator identification as typed: a code is required, an empty password
// means none (twelve blanks). The credentials change only when the check passes.
InputCheck applyOperatorCredentials(const QString& code, const QString& password, OperatorCredentials& credentials);
