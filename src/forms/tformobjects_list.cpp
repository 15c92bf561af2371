#include "forms/tformobjects_list.h"

#include "base/operator.h"
#include "base/save_report.h"
#include "forms/table_dialog_parts.h"
#include "forms/tformobject.h"
#include "settings/object_list_editing.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int nameColumn = 1;
}

TFormObjects_List::TFormObjects_List(ObjectList& list, QString listFile, Operator& person, QWidget* parent)
    : QDialog(parent), original_(list), copy_(list), listFile_(std::move(listFile)), person_(person)
{
    setWindowTitle(QStringLiteral(" Список объектов"));
    resize(560, 420);
    model_ = new QStandardItemModel(0, 3, this);
    model_->setHorizontalHeaderLabels({QStringLiteral("№"), QStringLiteral("Наименование"), QStringLiteral(" Адрес")});
    grid_ = listGrid(*this, *model_, nameColumn);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            copy_.selected = current.row();
    });
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { editRow(index.row()); });

    auto* sorting = new QHBoxLayout;
    auto* buttons = new QHBoxLayout;
    sortByName_ = addButton(QStringLiteral("По наименованию"), [this] { sortBy(ObjectSortOrder::ByName); });
    sortByAddress_ = addButton(QStringLiteral("По адресу"), [this] { sortBy(ObjectSortOrder::ByAddress); });
    sorting->addWidget(sortByName_);
    sorting->addWidget(sortByAddress_);
    sorting->addStretch();
    buttons->addWidget(addButton(QStringLiteral("Изменить"), [this] { editRow(copy_.selected); }));
    add_ = addButton(QStringLiteral("Добавить"), [this] { addObject(); });
    buttons->addWidget(add_);
    buttons->addWidget(addButton(QStringLiteral("Удалить"), [this] { removeSelected(); }));
    buttons->addStretch();
    buttons->addWidget(addButton(QStringLiteral("Принять"), [this] { acceptList(); }));
    buttons->addWidget(addButton(QStringLiteral("Отменить"), [this] { reject(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sorting);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    sortBy(copy_.sortOrder);
}

QPushButton* TFormObjects_List::addButton(const QString& text, const std::function<void()>& action)
{
    auto* button = new QPushButton(text, this);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

void TFormObjects_List::refill()
{
    // Filling the grid moves its current row about; the list's selection stays.
    const int selected = copy_.selected;
    model_->setRowCount(0);
    for (int i = 0; i < copy_.objects.size(); ++i) {
        QList<QStandardItem*> items;
        for (const QString& text : objectRow(copy_, i))
            items << new QStandardItem(text);
        model_->appendRow(items);
    }
    copy_.selected = selected;
    if (copy_.selectedObject())
        grid_->selectRow(selected);
    sortByName_->setEnabled(canSortBy(copy_, ObjectSortOrder::ByName));
    sortByAddress_->setEnabled(canSortBy(copy_, ObjectSortOrder::ByAddress));
    add_->setEnabled(canAddObject(copy_));
}

void TFormObjects_List::editRow(int row)
{
    if (row < 0 || row >= copy_.objects.size())
        return;
    MeteringObject object = copy_.objects[row];
    TFormObject editor(object, person_, this);
    if (editor.exec() == QDialog::Accepted) {
        replaceObject(copy_, row, object);
        refill();
    }
}

void TFormObjects_List::addObject()
{
    MeteringObject object;
    TFormObject editor(object, person_, this);
    if (editor.exec() == QDialog::Accepted && appendObject(copy_, object))
        refill();
}

void TFormObjects_List::removeSelected()
{
    if (!copy_.selectedObject())
        return;
    if (person_.message(MessageKind::Question, QStringLiteral("Вы действительно хотите"),
                        QStringLiteral("удалить этот объект?"))) {
        removeObject(copy_, copy_.selected);
        refill();
    }
}

void TFormObjects_List::sortBy(ObjectSortOrder order)
{
    sortObjects(copy_, order);
    refill();
}

void TFormObjects_List::acceptList()
{
    reportSaveFailure(person_, commitObjectList(original_, copy_, listFile_));
    accept();
}
