#pragma once

#include "settings/settings.h"

#include <QDialog>
#include <memory>

class Operator;
class QStandardItemModel;
class QTableView;

// The list editor of telephone or Ethernet subscribers. It works on a copy of
// the list; "Принять" copies it back, "Отменить" drops it.
class TFormAbonents_List : public QDialog {
    Q_OBJECT
public:
    TFormAbonents_List(PhoneList& list, Operator& person, QWidget* parent = nullptr);
    TFormAbonents_List(EthernetList& list, Operator& person, QWidget* parent = nullptr);
    ~TFormAbonents_List() override;

    // What the dialog needs of a list, whichever kind it is.
    class Editing;

private:
    void build(const QString& caption, const QString& secondColumn);
    void refill();
    int currentRow() const;
    void editRow(int row);
    void addEntry();
    void removeEntry();
    void sortBy(int column);

    Operator& person_;
    std::unique_ptr<Editing> editing_;
    QStandardItemModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
};
