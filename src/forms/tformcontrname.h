#pragma once

#include "tables/table_editing.h"

#include <QDialog>

class QLineEdit;

// The controller's name (table 5): one field of at most 20 characters.
class TFormContrName : public QDialog {
    Q_OBJECT
public:
    TFormContrName(const QString& name, TableEditing editing, QWidget* parent = nullptr);

    // The name as typed when the dialog was accepted.
    QString name() const;

private:
    QLineEdit* name_;
};
