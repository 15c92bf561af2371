#include "forms/tformprzdistr.h"

#include "base/byte_view.h"
#include "forms/table_dialog_parts.h"
#include "tables/gas_param_writing.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 468;
constexpr int DialogHeight = 530;

} // namespace

TFormPrzDistr::TFormPrzDistr(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent)
    : QDialog(parent), table_(table), person_(person)
{
    setWindowTitle(QStringLiteral("Необходимость записи  значений параметров газа в ВРГ "));
    resize(DialogWidth, DialogHeight);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Наименование параметра"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Необходимость записи"), this), 0, 1);
    const GasParamWritingChoices shown = gasParamWritingChoices(byteView(table));
    for (int k = 0; k < GasParameterCount; ++k) {
        auto* choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("choice%1").arg(k));
        choice->addItems(gasParamWritingItems());
        choice->setCurrentIndex(shown[static_cast<std::size_t>(k)]);
        choice->setEnabled(hasSetPoints(k));
        grid->addWidget(new QLabel(gasParameterName(k), this), k + 1, 0);
        grid->addWidget(choice, k + 1, 1);
        choices_[static_cast<std::size_t>(k)] = choice;
    }
    layout->addLayout(grid);
    layout->addLayout(acceptCancelRow(*this, editing, [this] { store(); }));
}

void TFormPrzDistr::store()
{
    GasParamWritingChoices choices{};
    for (int k = 0; k < GasParameterCount; ++k)
        choices[static_cast<std::size_t>(k)] = choices_[static_cast<std::size_t>(k)]->currentIndex();
    if (storeChecked(table_, person_, [&](QByteArray& bytes) { return applyGasParamWriting(choices, bytes); }))
        accept();
}
