#include "forms/tformmain.h"

#include "base/byte_view.h"
#include "forms/qt_operator.h"
#include "forms/tformconeth.h"
#include "forms/tformconfig.h"
#include "forms/tformconmodbus.h"
#include "forms/tformcontrname.h"
#include "forms/tformconvich.h"
#include "forms/tformconvu.h"
#include "forms/tformdistr.h"
#include "forms/tformfloulist.h"
#include "forms/tformident.h"
#include "forms/tformlimits.h"
#include "forms/tformprzdistr.h"
#include "forms/tformsys.h"

// The main window's side of the table commands: each opens its dialog on the
// controller's bytes.

void TFormMain::showIdentification(std::span<const std::uint8_t> identification)
{
    TFormIdent dialog(byteView(identification), false, this);
    dialog.exec();
}

bool TFormMain::editConfiguration(ConfigRecord& record, ConfigEditing editing)
{
    TFormConfig dialog(record, editing, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> TFormMain::editControllerName(const QString& name)
{
    TFormContrName dialog(name, TableEditing::Controller, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}

bool TFormMain::editSystemParameters(std::span<std::uint8_t> systemParameters)
{
    TFormSys dialog(systemParameters, TableEditing::Controller, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

bool TFormMain::editFlowComputers(FlowComputerList& list)
{
    TFormFlouList dialog(list, TableEditing::Controller, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

bool TFormMain::editUpperLevelPort(std::span<std::uint8_t> table, bool rateEditable)
{
    TFormConVU dialog(table, rateEditable, TableEditing::Controller, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

bool TFormMain::editModbusPort(ModbusInstrument instrument, std::span<std::uint8_t> table)
{
    ModbusPortDialog dialog(instrument, table, TableEditing::Controller, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

bool TFormMain::editFlowComputerPort(std::span<std::uint8_t> table)
{
    TFormConVich dialog(table, TableEditing::Controller, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

bool TFormMain::editEthernetPort(std::span<std::uint8_t> table)
{
    TFormConEth dialog(table, TableEditing::Controller, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

bool TFormMain::editGasParamWriting(std::span<std::uint8_t> table)
{
    TFormPrzDistr dialog(table, TableEditing::Controller, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

bool TFormMain::editSetPoints(GasSetPoint setPoint, std::span<std::uint8_t> table)
{
    TFormLimits dialog(setPoint, table, TableEditing::Controller, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

bool TFormMain::editHourlyMeanPeriod(std::span<std::uint8_t> table)
{
    TFormDistr dialog(table, TableEditing::Controller, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}
