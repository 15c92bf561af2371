#include "forms/tformchangeaccess.h"

#include "base/byte_view.h"
#include "base/operator.h"
#include "forms/user_level_list.h"
#include "forms/user_secret_fields.h"
#include "tables/user_access_rules.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString blankName = QStringLiteral("   --   ");
} // namespace

TFormChangeAccess::TFormChangeAccess(std::span<std::uint8_t> userTable, Operator& person, QWidget* parent)
    : QDialog(parent), table_(userTable), person_(person)
{
    setWindowTitle(QStringLiteral("Доступ пользователей к записи в контроллер"));
    setFixedSize(676, 330);

    slots_ = new QListWidget(this);
    slots_->setObjectName(QStringLiteral("slots"));
    const QByteArrayView table(table_.data(), table_.size());
    for (int slot = 0; slot < userSlots; ++slot) {
        const QString name = shownName(userAt(table, slot));
        slots_->addItem(name.isEmpty() ? blankName : name);
    }
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(UserRecord::nameLength);
    level_ = userLevelList(this);
    level_->setObjectName(QStringLiteral("level"));
    secrets_ = new UserSecretFields(this);

    auto* choice = new QVBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Выбор пользователя\nдля коррекции"), this));
    choice->addWidget(slots_);
    auto* user = new QFormLayout;
    user->addRow(QStringLiteral("Имя пользователя"), name_);
    user->addRow(QStringLiteral("Уровень допуска"), level_);
    auto* hint = new QLabel(QStringLiteral("Для удаления пользователя достаточно\n"
                                           "выбрать уровень допуска \"Нет доступа\""),
                            this);
    auto* write = new QPushButton(QStringLiteral("Записать в устройство"), this);
    auto* leave = new QPushButton(QStringLiteral("Выход"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(write);
    buttons->addWidget(leave);

    auto* details = new QVBoxLayout;
    details->addLayout(user);
    details->addWidget(secrets_);
    details->addWidget(hint);
    details->addStretch();
    details->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choice, 1);
    layout->addLayout(details, 4);

    connect(slots_, &QListWidget::currentRowChanged, this, &TFormChangeAccess::showSlot);
    connect(write, &QPushButton::clicked, this, &TFormChangeAccess::store);
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);
    slots_->setCurrentRow(0);
}

void TFormChangeAccess::showSlot(int slot)
{
    const UserRecord user = userAt(byteView(table_), slot);
    name_->setText(shownName(user));
    showUserLevel(level_, user.level());
    secrets_->clearAll();
}

void TFormChangeAccess::store()
{
    const int slot = slots_->currentRow();
    const qsizetype offset = static_cast<qsizetype>(slot) * UserRecord::size;
    if (slot < 0 || offset + UserRecord::size > static_cast<qsizetype>(table_.size()))
        return;
    const QByteArrayView table(table_.data(), table_.size());
    UserChangeFields fields;
    // A damaged level byte that the list cannot show stays as it is.
    fields.level =
        level_->currentIndex() >= 0 ? static_cast<std::uint8_t>(level_->currentIndex()) : userAt(table, slot).level();
    fields.name = name_->text();
    secrets_->copyInto(fields);

    const UserChangeOutcome outcome = checkUserChange(table, slot, fields);
    if (outcome.problem) {
        person_.message(MessageKind::InputError, outcome.problem->line1, outcome.problem->line2);
        secrets_->clear(outcome.clear);
        return;
    }
    const QByteArray& record = outcome.record.bytes();
    std::copy(record.begin(), record.end(), table_.begin() + offset);
    changedSlot_ = slot;
    accept();
}
