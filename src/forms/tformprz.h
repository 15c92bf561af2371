#pragma once

#include "exchange/request_context.h"
#include "gas/component_slot_map.h"
#include "gas/report_settings.h"
#include "tables/table_state_set.h"

#include <QDialog>
#include <functional>
#include <map>

class LiveRefresh;
class QLabel;
class QPushButton;

// "Текущее состояние контроллера": the abnormal-situation flags of table 16 and
// the links of table 33, refreshed once a second, and the buttons to the
// current-data windows, the table-state dialog and the flow computers' exchange.
// The self-diagnostics button fills `states` from table 7 and closes the window
// with tableStatesRequested() set.
class TFormPrz : public QDialog {
    Q_OBJECT
public:
    struct Setting {
        ReportSettings report;
        ComponentSlotMap slotMap;
        std::uint8_t moistureMeterType = 0; // table 15 byte 6
        // The main window's message timer, restarted after an interactive read.
        std::function<void()> startMessageTimer;
    };

    TFormPrz(RequestContext context, TableStateSet& states, Setting setting, QWidget* parent = nullptr);

    bool tableStatesRequested() const { return tableStatesRequested_; }
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addRows();
    void addButtons();
    void tick();
    void toggleUpdating();
    // Runs a button's sub-window with the refresh paused and the buttons disabled.
    void withRefreshPaused(const std::function<void()>& action);
    void readTableStates();
    void showFlowComputers();

    RequestContext context_;
    TableStateSet& states_;
    Setting setting_;
    LiveRefresh* refresh_ = nullptr;
    std::map<QString, QLabel*> cells_;
    std::vector<QPushButton*> lockedButtons_;
    QPushButton* toggle_ = nullptr;
    bool tableStatesRequested_ = false;
};
