#include "forms/tformcontrname.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 364;
constexpr int DialogHeight = 144;
constexpr int NameLength = 20;
} // namespace

TFormContrName::TFormContrName(const QString& name, TableEditing editing, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Наименование контроллера"));
    resize(DialogWidth, DialogHeight);
    auto* layout = new QVBoxLayout(this);
    name_ = new QLineEdit(name, this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(NameLength);
    layout->addWidget(name_);
    auto* buttons = new QHBoxLayout;
    auto* accept = new QPushButton(acceptCaption(editing), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    connect(accept, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

QString TFormContrName::name() const
{
    return name_->text();
}
