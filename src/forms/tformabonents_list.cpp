#include "forms/tformabonents_list.h"

#include "base/operator.h"
#include "forms/table_dialog_parts.h"
#include "forms/tformabonent.h"
#include "settings/subscriber_list_editing.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

class TFormAbonents_List::Editing {
public:
    virtual ~Editing() = default;
    virtual int count() const = 0;
    virtual int selected() const = 0;
    virtual void select(int row) = 0;
    virtual QStringList row(int index) const = 0;
    virtual bool edit(int row, Operator& person, QWidget* parent) = 0;
    virtual bool add(Operator& person, QWidget* parent) = 0;
    virtual void remove(int row) = 0;
    virtual void sort(SubscriberSortOrder order) = 0;
    virtual void commit() = 0;
};

namespace {

template <typename Entry> class ListEditing : public TFormAbonents_List::Editing {
public:
    explicit ListEditing(SubscriberList<Entry>& list) : original_(list), copy_(list) {}

    int count() const override { return copy_.count; }
    int selected() const override { return copy_.selected; }
    void select(int row) override { copy_.selected = static_cast<std::uint8_t>(row); }
    QStringList row(int index) const override { return subscriberRow(copy_.entries[index], index); }

    bool edit(int row, Operator& person, QWidget* parent) override
    {
        TFormAbonent editor(copy_.entries[row], person, parent);
        return editor.exec() == QDialog::Accepted;
    }

    bool add(Operator& person, QWidget* parent) override
    {
        Entry entry;
        TFormAbonent editor(entry, person, parent);
        return editor.exec() == QDialog::Accepted && appendSubscriber(copy_, entry);
    }

    void remove(int row) override { removeSubscriber(copy_, row); }
    void sort(SubscriberSortOrder order) override { sortSubscribers(copy_, order); }
    void commit() override { original_ = copy_; }

private:
    SubscriberList<Entry>& original_;
    SubscriberList<Entry> copy_;
};

constexpr int nameColumn = 1;
constexpr int secondKeyColumn = 3;

} // namespace

TFormAbonents_List::TFormAbonents_List(PhoneList& list, Operator& person, QWidget* parent)
    : QDialog(parent), person_(person), editing_(std::make_unique<ListEditing<PhoneSubscriber>>(list))
{
    build(QStringLiteral("Список абонентов (связь по телефону)"), QStringLiteral("№ телефона"));
}

TFormAbonents_List::TFormAbonents_List(EthernetList& list, Operator& person, QWidget* parent)
    : QDialog(parent), person_(person), editing_(std::make_unique<ListEditing<EthernetSubscriber>>(list))
{
    build(QStringLiteral("Список абонентов (Ethernet-интерфейс)"), QStringLiteral("IP-адрес:порт"));
}

TFormAbonents_List::~TFormAbonents_List() = default;

void TFormAbonents_List::build(const QString& caption, const QString& secondColumn)
{
    setWindowTitle(caption);
    resize(640, 420);
    model_ = new QStandardItemModel(0, 4, this);
    model_->setHorizontalHeaderLabels(
        {QStringLiteral("№"), QStringLiteral("Наименование"), QStringLiteral("Адрес"), secondColumn});
    grid_ = listGrid(*this, *model_, nameColumn);
    // The name and the number/address headers sort the list.
    grid_->horizontalHeader()->setSectionsClickable(true);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &TFormAbonents_List::sortBy);
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { editRow(index.row()); });

    auto* buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](const QString& text, auto slot) {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    };
    addButton(QStringLiteral("Изменить"), [this] { editRow(currentRow()); });
    addButton(QStringLiteral("Добавить"), [this] { addEntry(); });
    addButton(QStringLiteral("Удалить"), [this] { removeEntry(); });
    buttons->addStretch();
    addButton(QStringLiteral("Принять"), [this] {
        editing_->commit();
        accept();
    });
    addButton(QStringLiteral("Отменить"), [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    refill();
}

void TFormAbonents_List::refill()
{
    model_->setRowCount(0);
    for (int i = 0; i < editing_->count(); ++i) {
        QList<QStandardItem*> items;
        for (const QString& text : editing_->row(i))
            items << new QStandardItem(text);
        model_->appendRow(items);
    }
    if (editing_->selected() < editing_->count())
        grid_->selectRow(editing_->selected());
}

int TFormAbonents_List::currentRow() const
{
    const QModelIndexList rows = grid_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void TFormAbonents_List::editRow(int row)
{
    if (row < 0 || row >= editing_->count())
        return;
    editing_->select(row);
    if (editing_->edit(row, person_, this))
        refill();
}

void TFormAbonents_List::addEntry()
{
    if (editing_->add(person_, this))
        refill();
}

void TFormAbonents_List::removeEntry()
{
    const int row = currentRow();
    if (row < 0)
        return;
    editing_->select(row);
    if (person_.message(MessageKind::Question, QStringLiteral("Вы действительно хотите"),
                        QStringLiteral("удалить этот абонент?"))) {
        editing_->remove(row);
        refill();
    }
}

void TFormAbonents_List::sortBy(int column)
{
    if (column != nameColumn && column != secondKeyColumn)
        return;
    const int row = currentRow();
    if (row >= 0)
        editing_->select(row);
    editing_->sort(column == nameColumn ? SubscriberSortOrder::ByName : SubscriberSortOrder::BySecondKey);
    refill();
}
