// The main window's commands that show the controller's current values and state.
#include "forms/tformmain.h"

#include "app/app_state.h"
#include "app/controller_state_command.h"
#include "app/current_data_reads.h"
#include "forms/main_menu_bar.h"
#include "forms/qt_operator.h"
#include "forms/tformfuninfo.h"
#include "forms/tformmean.h"
#include "forms/tformmom.h"
#include "forms/tformmomwmt.h"
#include "forms/tformprz.h"
#include "forms/tformtableinfo.h"

#include <QAction>

namespace {

constexpr int MoistureMeterPortTable = 15;
constexpr int MeterTypeField = 6;
constexpr int ConfiguredSoftwareVersion = 4;

} // namespace

void TFormMain::connectCurrentDataCommands()
{
    const auto on = [this](const char* name, auto handler) {
        connect(menu_->action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler] { runCommand(handler); });
    };
    on("NChrom_MomData", [this] {
        const RequestContext context = state_.requestContext(*person_);
        if (!CurrentDataReads(context).linkPresent(CurrentDataReads::Instrument::Chromatograph))
            return;
        TFormMom(context, state_.reportSettings, state_.slotMap, this).exec();
        startMessageTimer();
    });
    on("NWmt_MomData", [this] {
        const RequestContext context = state_.requestContext(*person_);
        if (!CurrentDataReads(context).linkPresent(CurrentDataReads::Instrument::MoistureMeter))
            return;
        TFormMomWmt(context, state_.image.field(MoistureMeterPortTable, MeterTypeField)[0], this).exec();
        startMessageTimer();
    });
    on("NFun", [this] {
        if (const auto functions = CurrentDataReads(state_.requestContext(*person_)).functions())
            TFormFunInfo(*functions, this).exec();
    });
    on("NMean", [this] { TFormMean(state_.reportSettings.fractionKind(), this).exec(); });
    on("NSit", [this] { showControllerState(); });
}

void TFormMain::showControllerState()
{
    const RequestContext context = state_.requestContext(*person_);
    TFormPrz::Setting setting{state_.reportSettings, state_.slotMap,
                              state_.image.field(MoistureMeterPortTable, MeterTypeField)[0],
                              [this] { startMessageTimer(); }};
    const TableInfo::Result result = runControllerState(
        [&](TableStateSet& states) {
            TFormPrz window(context, states, setting, this);
            window.exec();
            return window.tableStatesRequested();
        },
        [&](TableStateSet& states) {
            TFormTableInfo dialog(states, ConfiguredSoftwareVersion, context, this);
            return static_cast<TableInfo::Result>(dialog.exec());
        });
    if (result == TableInfo::Reset) {
        BusyCursor busy(*person_);
        connection_->disconnect();
    }
    connectionChanged();
}
