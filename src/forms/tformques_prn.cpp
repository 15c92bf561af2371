#include "forms/tformques_prn.h"

#include "reports/organisation_title.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int Width = 532;
constexpr int Height = 212;

QLabel* centred(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TFormQues_Prn::TFormQues_Prn(const DocumentTitle& title, const QString& organisation, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral(" Данные для печати"));
    setFixedSize(Width, Height);

    organisation_ = new QLineEdit(organisation, this);
    organisation_->setObjectName(QStringLiteral("organisation"));
    organisation_->setMaxLength(OrganisationTitle::Size);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Наименование организации"), this));
    nameRow->addWidget(new QLabel(QStringLiteral("( до 40 символов )"), this));
    nameRow->addStretch();

    auto* print = new QPushButton(QStringLiteral("Печатать"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    print->setDefault(true);
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(organisation_);
    for (const QString& line : {title.title, title.second, title.period})
        layout->addWidget(centred(line, this));
    layout->addStretch();
    layout->addLayout(buttons);
}

QString TFormQues_Prn::organisation() const
{
    return OrganisationTitle::bounded(organisation_->text());
}
