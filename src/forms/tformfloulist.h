#pragma once

#include "tables/flow_computers.h"
#include "tables/table_editing.h"

#include <QDialog>

class Operator;
class QPushButton;
class QTableWidget;

// The flow computers as a list: added, changed (also by a double click) and
// removed one at a time, checked as a whole when accepted. Accepted, `list`
// holds the edited records and their password flags; otherwise it is unchanged.
class TFormFlouList : public QDialog {
    Q_OBJECT
public:
    TFormFlouList(FlowComputerList& list, TableEditing editing, Operator& person, QWidget* parent = nullptr);

private:
    void addComputer();
    void changeComputer();
    void removeComputer();
    void store();
    void showRows();

    FlowComputerList& list_;
    FlowComputerList edited_;
    Operator& person_;
    QTableWidget* grid_;
    QPushButton* add_;
    QPushButton* remove_;
};
