#pragma once

#include "settings/object_list.h"

#include <QDialog>
#include <functional>

class Operator;
class QPushButton;
class QStandardItemModel;
class QTableView;

// The list editor of metering objects. It works on a copy of the list;
// "Принять" takes the copy and writes "objects.ini" when it differs from the
// list at opening, "Отменить" or closing the window drops it.
class TFormObjects_List : public QDialog {
    Q_OBJECT
public:
    TFormObjects_List(ObjectList& list, QString listFile, Operator& person, QWidget* parent = nullptr);

private:
    QPushButton* addButton(const QString& text, const std::function<void()>& action);
    void refill();
    void editRow(int row);
    void addObject();
    void removeSelected();
    void sortBy(ObjectSortOrder order);
    void acceptList();

    ObjectList& original_;
    ObjectList copy_;
    QString listFile_;
    Operator& person_;
    QStandardItemModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton* sortByName_ = nullptr;
    QPushButton* sortByAddress_ = nullptr;
    QPushButton* add_ = nullptr;
};
