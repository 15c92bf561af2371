#include "forms/tformconnect.h"

#include "app/app_state.h"
#include "app/link_connect.h"
#include "base/save_report.h"
#include "forms/integer_key_filter.h"
#include "forms/tformabonent.h"
#include "forms/tformabonents_list.h"
#include "forms/tformconn_par.h"
#include "settings/link_panels.h"
#include "settings/subscriber_list_editing.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int dialogWidth = 440;
constexpr int directHeight = 194;
constexpr int subscriberHeight = 266;
const QString newSubscriber = QStringLiteral("Новый абонент");

template <typename Entry> void fillFrom(QComboBox* selector, const SubscriberList<Entry>& list)
{
    for (int i = 0; i < list.count; ++i)
        selector->addItem(list.entries[i].name);
    if (list.count < SubscriberList<Entry>::capacity)
        selector->addItem(newSubscriber);
    selector->setCurrentIndex(list.count > 0 && list.selected < list.count ? list.selected : -1);
}

// Appends a new entry through the entry editor; the list is then sorted as it
// was last sorted, with the new entry selected.
template <typename Entry> bool appendThroughEditor(SubscriberList<Entry>& list, Operator& person, QWidget* parent)
{
    Entry entry;
    TFormAbonent editor(entry, person, parent);
    if (editor.exec() != QDialog::Accepted || !appendSubscriber(list, entry))
        return false;
    sortSubscribers(list, static_cast<SubscriberSortOrder>(list.sortOrder));
    return true;
}
} // namespace

TFormConnect::TFormConnect(AppState& state, Operator& person, QWidget* parent)
    : QDialog(parent), state_(state), person_(person)
{
    setWindowTitle(QStringLiteral("Связаться"));
    auto* layout = new QVBoxLayout(this);

    kinds_ = new QButtonGroup(this);
    const QStringList kindNames = {QStringLiteral("Непосредственная связь"), QStringLiteral("Связь по телефону"),
                                   QStringLiteral("Ethernet-интерфейс")};
    for (int kind = 0; kind < kindNames.size(); ++kind) {
        auto* button = new QRadioButton(kindNames[kind], this);
        kinds_->addButton(button, kind);
        layout->addWidget(button);
    }
    connect(kinds_, &QButtonGroup::idClicked, this, [this](int kind) { applyKind(static_cast<LinkKind>(kind)); });

    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(new QLabel(QStringLiteral("Адрес устройства"), this));
    address_ = new QComboBox(this);
    address_->setObjectName(QStringLiteral("address"));
    address_->setEditable(true);
    for (int address = 1; address <= 255; ++address)
        address_->addItem(QString::number(address));
    IntegerKeyFilter::install(address_->lineEdit());
    addressRow->addWidget(address_);
    layout->addLayout(addressRow);

    subscriberPanel_ = new QWidget(this);
    auto* subscriberRow = new QHBoxLayout(subscriberPanel_);
    subscriberRow->setContentsMargins(0, 0, 0, 0);
    subscribers_ = new QComboBox(subscriberPanel_);
    subscribers_->setObjectName(QStringLiteral("subscribers"));
    auto* list = new QPushButton(QStringLiteral("Список абонентов"), subscriberPanel_);
    subscriberRow->addWidget(subscribers_, 1);
    subscriberRow->addWidget(list);
    layout->addWidget(subscriberPanel_);
    connect(subscribers_, &QComboBox::activated, this, &TFormConnect::subscriberChosen);
    connect(list, &QPushButton::clicked, this, &TFormConnect::editList);

    auto* buttons = new QHBoxLayout;
    parameters_ = new QPushButton(QStringLiteral("Изменить параметры связи"), this);
    connect_ = new QPushButton(QStringLiteral("Связаться"), this);
    auto* exit = new QPushButton(QStringLiteral("Выход"), this);
    buttons->addWidget(parameters_);
    buttons->addStretch();
    buttons->addWidget(connect_);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(parameters_, &QPushButton::clicked, this, &TFormConnect::editLinkParameters);
    connect(connect_, &QPushButton::clicked, this, &TFormConnect::confirm);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    const LinkKind stored = state_.settings.gqcIni.current.linkKind;
    kinds_->button(static_cast<int>(stored))->setChecked(true);
    applyKind(stored);
    connect_->setFocus();
}

void TFormConnect::applyKind(LinkKind kind)
{
    kind_ = kind;
    state_.settings.gqcIni.current.linkKind = kind;
    const bool direct = kind == LinkKind::Direct;
    subscriberPanel_->setVisible(!direct);
    setFixedSize(dialogWidth, direct ? directHeight : subscriberHeight);
    address_->setEnabled(direct);
    if (direct) {
        address_->setCurrentText(QString::number(state_.settings.gqcIni.direct.address));
        setButtonsEnabled(true);
    } else {
        fillSelector();
    }
    showLinkPanels(state_.settings, person_);
}

int TFormConnect::subscriberCount() const
{
    return kind_ == LinkKind::Modem ? state_.settings.phoneList.count : state_.settings.ethernetList.count;
}

void TFormConnect::fillSelector()
{
    const QSignalBlocker quiet(subscribers_);
    subscribers_->clear();
    if (kind_ == LinkKind::Modem)
        fillFrom(subscribers_, state_.settings.phoneList);
    else
        fillFrom(subscribers_, state_.settings.ethernetList);
    shownPosition_ = subscribers_->currentIndex();
    subscriberChosen(shownPosition_);
}

void TFormConnect::subscriberChosen(int position)
{
    if (position >= 0 && position == subscriberCount()) {
        addSubscriber();
        return;
    }
    const bool chosen = position >= 0 && position < subscriberCount();
    setButtonsEnabled(chosen);
    if (!chosen)
        return;
    shownPosition_ = position;
    if (kind_ == LinkKind::Modem) {
        state_.settings.phoneList.selected = static_cast<std::uint8_t>(position);
        address_->setCurrentText(QString::number(state_.settings.phoneList.entries[position].controllerAddress));
    } else {
        state_.settings.ethernetList.selected = static_cast<std::uint8_t>(position);
        address_->setCurrentText(QString::number(state_.settings.ethernetList.entries[position].controllerAddress));
    }
    showLinkPanels(state_.settings, person_);
}

void TFormConnect::addSubscriber()
{
    const bool added = kind_ == LinkKind::Modem ? appendThroughEditor(state_.settings.phoneList, person_, this)
                                                : appendThroughEditor(state_.settings.ethernetList, person_, this);
    if (added) {
        saveCurrentList();
        fillSelector();
        return;
    }
    const QSignalBlocker quiet(subscribers_);
    subscribers_->setCurrentIndex(shownPosition_);
}

void TFormConnect::editList()
{
    const bool accepted =
        (kind_ == LinkKind::Modem
             ? TFormAbonents_List(state_.settings.phoneList, person_, this).exec()
             : TFormAbonents_List(state_.settings.ethernetList, person_, this).exec()) == QDialog::Accepted;
    if (!accepted)
        return;
    saveCurrentList();
    fillSelector();
    showLinkPanels(state_.settings, person_);
}

void TFormConnect::editLinkParameters()
{
    TFormConn_Par parameters(state_.settings.gqcIni, state_.engine, person_, kind_, this);
    if (parameters.exec() != QDialog::Accepted)
        return;
    reportSaveFailure(person_, state_.settings.saveSettings(state_.directory.settingsFile()));
    showLinkPanels(state_.settings, person_);
    if (kind_ == LinkKind::Direct)
        address_->setCurrentText(QString::number(state_.settings.gqcIni.direct.address));
}

void TFormConnect::confirm()
{
    const ConnectionChoice choice{kind_, address_->currentText(), subscribers_->currentIndex()};
    if (connectChosenLink(state_, person_, choice))
        accept();
}

void TFormConnect::setButtonsEnabled(bool enabled)
{
    parameters_->setEnabled(enabled);
    connect_->setEnabled(enabled);
}

void TFormConnect::saveCurrentList()
{
    reportSaveFailure(person_, kind_ == LinkKind::Modem
                                   ? state_.settings.savePhoneList(state_.directory.phoneListFile())
                                   : state_.settings.saveEthernetList(state_.directory.ethernetListFile()));
}
