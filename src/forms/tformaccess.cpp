#include "forms/tformaccess.h"

#include "base/byte_view.h"
#include "base/operator.h"
#include "forms/tformuspass.h"
#include "forms/user_level_list.h"
#include "tables/user_access_rules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormAccess::TFormAccess(std::span<std::uint8_t> userTable, const QString& acceptText, Operator& person,
                         QWidget* parent)
    : QDialog(parent), table_(userTable), person_(person)
{
    setWindowTitle(QStringLiteral("Доступ пользователей к записи в контроллер"));
    setFixedSize(432, 564);
    // Slots beyond a short table read as free.
    for (int slot = 0; slot < userSlots; ++slot)
        copy_ += userAt(byteView(userTable), slot).bytes();

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Имя пользователя\n(до 4 символов)"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Уровень допуска"), this), 0, 2);
    for (int slot = 0; slot < userSlots; ++slot) {
        const UserRecord user = userAt(copy_, slot);
        Row row{new QLineEdit(shownName(user), this), userLevelList(this),
                new QPushButton(QStringLiteral("Пароль"), this)};
        row.name->setMaxLength(UserRecord::nameLength);
        row.name->setObjectName(QStringLiteral("name%1").arg(slot + 1));
        row.level->setObjectName(QStringLiteral("level%1").arg(slot + 1));
        row.secrets->setObjectName(QStringLiteral("secrets%1").arg(slot + 1));
        showUserLevel(row.level, user.level());
        row.secrets->setEnabled(row.level->currentIndex() != UserRecord::NoAccess);
        grid->addWidget(new QLabel(QString::number(slot + 1), this), slot + 1, 0);
        grid->addWidget(row.name, slot + 1, 1);
        grid->addWidget(row.level, slot + 1, 2);
        grid->addWidget(row.secrets, slot + 1, 3);
        connect(row.level, &QComboBox::currentIndexChanged, row.secrets,
                [button = row.secrets](int level) { button->setEnabled(level != UserRecord::NoAccess); });
        connect(row.secrets, &QPushButton::clicked, this, [this, slot] { editSecrets(slot); });
        rows_.append(row);
    }

    auto* accept = new QPushButton(acceptText, this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(accept, &QPushButton::clicked, this, &TFormAccess::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormAccess::editSecrets(int slot)
{
    UserRecord row = userAt(copy_, slot);
    TFormUsPass dialog(row, person_, this);
    if (dialog.exec() == QDialog::Accepted)
        copy_.replace(slot * UserRecord::size, UserRecord::size, row.bytes());
}

QByteArray TFormAccess::editedTable() const
{
    QByteArray table;
    for (int slot = 0; slot < userSlots; ++slot) {
        const Row& row = rows_[slot];
        const UserRecord stored = userAt(copy_, slot);
        const int level = row.level->currentIndex();
        table +=
            editedRow(stored, level >= 0 ? static_cast<std::uint8_t>(level) : stored.level(), row.name->text()).bytes();
    }
    return table;
}

void TFormAccess::store()
{
    const QByteArray table = editedTable();
    if (const InputCheck problem = validateUserTable(table)) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return;
    }
    std::copy_n(table.begin(), std::min<qsizetype>(table.size(), table_.size()), table_.begin());
    accept();
}
