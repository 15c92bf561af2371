#pragma once

#include "base/operator.h"

#include <QDialog>

// The operator message dialog: a caption, three centred lines and either one
// closing button or "Нет"/"Да"; sized to fit its text.
class TFormMessage : public QDialog {
    Q_OBJECT
public:
    TFormMessage(MessageKind kind, const QString& line1, const QString& line2, QWidget* parent = nullptr);

    // Shows the dialog modally; true when the operator answered "Да".
    static bool ask(MessageKind kind, const QString& line1, const QString& line2, QWidget* parent = nullptr);
};
