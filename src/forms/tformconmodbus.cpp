#include "forms/tformconmodbus.h"

#include "base/byte_view.h"
#include "forms/table_dialog_parts.h"
#include "tables/port_choices.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 468;
constexpr int ChromatographHeight = 356;
constexpr int MoistureMeterHeight = 284;
} // namespace

ModbusPortDialog::ModbusPortDialog(ModbusInstrument instrument, std::span<std::uint8_t> table, TableEditing editing,
                                   Operator& person, QWidget* parent)
    : QDialog(parent), instrument_(instrument), table_(table), person_(person)
{
    const bool chromatograph = instrument == ModbusInstrument::Chromatograph;
    setWindowTitle(chromatograph ? QStringLiteral(" Параметры связи с хроматографом ")
                                 : QStringLiteral(" Параметры связи с влагомером "));
    resize(DialogWidth, chromatograph ? ChromatographHeight : MoistureMeterHeight);
    const ModbusPortFields fields = modbusPortFields(instrument, byteView(table));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    address_ = addTypedChoiceRow(
        *form, chromatograph ? QStringLiteral("Адрес хроматографа") : QStringLiteral("Адрес влагомера"),
        modbusAddressItems(), fields.address, QStringLiteral("address"));
    if (chromatograph)
        bitRate_ = addChoiceRow(*form, QStringLiteral("Скорость обмена"), bitRateItems(), fields.bitRate,
                                QStringLiteral("bitRate"));
    mode_ = addChoiceRow(*form, QStringLiteral("Режим обмена MODBUS протокола"), modbusModeItems(), fields.mode,
                         QStringLiteral("mode"));
    if (chromatograph)
        parity_ = addChoiceRow(*form, QStringLiteral("Тип четности"), chromatographParityItems(), fields.parity,
                               QStringLiteral("parity"));
    answerTimeout_ = addTypedChoiceRow(*form,
                                       chromatograph ? QStringLiteral("Таймаут ожидания ответа  от хромотогр., сс")
                                                     : QStringLiteral("Таймаут ожидания ответа от влагомера, сс"),
                                       modbusTimeoutItems(), fields.answerTimeout, QStringLiteral("answerTimeout"));
    failedPolls_ = addChoiceRow(*form,
                                chromatograph ? QStringLiteral("Кол. неудачных опросов хроматографа\nподряд, после "
                                                               "которого создается\nдиагностическое сообщение")
                                              : QStringLiteral("Кол. неудачных опросов влагомера\nподряд, после "
                                                               "которого создается\nдиагностическое сообщение"),
                                failedPollItems(), fields.failedPolls, QStringLiteral("failedPolls"));
    model_ = addChoiceRow(*form, chromatograph ? QStringLiteral("Тип хроматографа") : QStringLiteral("Тип влагомера"),
                          instrumentModelItems(instrument), fields.model, QStringLiteral("model"));
    layout->addLayout(acceptCancelRow(*this, editing, [this] { store(); }));
}

void ModbusPortDialog::store()
{
    ModbusPortFields fields;
    fields.address = address_->currentText();
    fields.bitRate = bitRate_ ? bitRate_->currentIndex() : -1;
    fields.mode = mode_->currentIndex();
    fields.parity = parity_ ? parity_->currentIndex() : -1;
    fields.answerTimeout = answerTimeout_->currentText();
    fields.failedPolls = failedPolls_->currentIndex();
    fields.model = model_->currentIndex();
    if (storeChecked(table_, person_, [&](QByteArray& bytes) { return applyModbusPort(instrument_, fields, bytes); }))
        accept();
}

TFormConHGC::TFormConHGC(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent)
    : ModbusPortDialog(ModbusInstrument::Chromatograph, table, editing, person, parent)
{
}

TFormConWMT::TFormConWMT(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent)
    : ModbusPortDialog(ModbusInstrument::MoistureMeter, table, editing, person, parent)
{
}
