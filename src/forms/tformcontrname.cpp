#include "forms/tformcontrname.h"

#include "forms/table_dialog_parts.h"
#include <QHBoxLayout>
#include <QLineEdit>
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
    layout->addLayout(acceptCancelRow(*this, editing, [this] { accept(); }));
}

QString TFormContrName::name() const
{
    return name_->text();
}
