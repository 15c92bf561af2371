#include "forms/tformconvich.h"

#include "base/byte_view.h"
#include "forms/table_dialog_parts.h"
#include "tables/flow_computer_port.h"
#include "tables/port_choices.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 440;
constexpr int DialogHeight = 520;
} // namespace

TFormConVich::TFormConVich(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent)
    : QDialog(parent), table_(table), person_(person)
{
    setWindowTitle(QStringLiteral(" Параметры связи с ВРГ"));
    resize(DialogWidth, DialogHeight);
    const FlowComputerPortFields fields = flowComputerPortFields(byteView(table));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    count_ = addTypedChoiceRow(*form, QStringLiteral("Количество подключенных вычислителей"), flowComputerCountItems(),
                               fields.count, QStringLiteral("count"));
    bitRate_ = addChoiceRow(*form, QStringLiteral("Скорость обмена"), bitRateItems(), fields.bitRate,
                            QStringLiteral("bitRate"));
    failedExchanges_ = addChoiceRow(
        *form,
        QStringLiteral("Количество неудачных обменов подряд, после\nкоторого создается диагностическое сообщение"),
        failedPollItems(), fields.failedExchanges, QStringLiteral("failedExchanges"));
    answerTimeout_ = addChoiceRow(*form, QStringLiteral("Таймаут ожидания ответа от вычислителя, дс"),
                                  flowComputerTimeoutItems(), fields.answerTimeout, QStringLiteral("answerTimeout"));
    preambles_ = addNumberRow(*form, QStringLiteral("Кол. преамбул  в запросе к вычислителю\n(  0 - 255 ) "),
                              fields.preambles, 3, QStringLiteral("preambles"));
    temperatureSource_ = addChoiceRow(*form, QStringLiteral("Индекс вычислителя\nдля чтения температуры газа"),
                                      temperatureSourceItems(fields.count), fields.temperatureSource,
                                      QStringLiteral("temperatureSource"));
    temperaturePipeline_ =
        addChoiceRow(*form, QStringLiteral("Номер нитки вычислителя\nдля чтения температуры газа"),
                     temperaturePipelineItems(), fields.temperaturePipeline, QStringLiteral("temperaturePipeline"));

    auto* modes = new QGroupBox(QStringLiteral(" Режим записи параметров газа в вычислители "), this);
    auto* modeLayout = new QVBoxLayout(modes);
    writeMode_ = new QButtonGroup(this);
    const QStringList modeNames = flowComputerWriteModeItems();
    for (int mode = 0; mode < modeNames.size(); ++mode) {
        auto* choice = new QRadioButton(modeNames[mode], modes);
        choice->setObjectName(QStringLiteral("writeMode%1").arg(mode));
        choice->setChecked(mode == fields.writeMode);
        writeMode_->addButton(choice, mode);
        modeLayout->addWidget(choice);
    }
    layout->addWidget(modes);
    layout->addLayout(acceptCancelRow(*this, editing, [this] { store(); }));
    connect(count_, &QComboBox::currentTextChanged, this, &TFormConVich::countChanged);
}

// Another count offers its own flow computers to read the temperature from.
void TFormConVich::countChanged()
{
    const int source = temperatureSource_->currentIndex();
    temperatureSource_->clear();
    temperatureSource_->addItems(temperatureSourceItems(count_->currentText()));
    temperatureSource_->setCurrentIndex(source < temperatureSource_->count() ? source : -1);
}

void TFormConVich::store()
{
    FlowComputerPortFields fields;
    fields.count = count_->currentText();
    fields.bitRate = bitRate_->currentIndex();
    fields.failedExchanges = failedExchanges_->currentIndex();
    fields.answerTimeout = answerTimeout_->currentIndex();
    fields.preambles = preambles_->text();
    fields.writeMode = writeMode_->checkedId();
    fields.temperatureSource = temperatureSource_->currentIndex();
    fields.temperaturePipeline = temperaturePipeline_->currentIndex();
    if (storeChecked(table_, person_, [&](QByteArray& bytes) { return applyFlowComputerPort(fields, bytes); }))
        accept();
}
