#pragma once

#include "app/archive_windows.h"
#include "app/configuration_commands.h"
#include "app/connection_start.h"
#include "app/controller_commands.h"
#include "base/operator.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

class AppState;
class DayReportCommands;
class LogDialogs;
class MainMenuBar;
class MainStatusBars;
class ModemPanel;
class QtOperator;

// The main window: the menu that fits the connection, the status bars, the
// modem panel, and the timers that start a connection and clear transient texts.
// It is the window side of the connection procedure and of the commands on a
// connected controller.
class TFormMain : public QMainWindow,
                  private ConnectionWindows,
                  private ControllerCommandWindows,
                  private ArchiveWindows {
    Q_OBJECT
public:
    explicit TFormMain(AppState& state, QWidget* parent = nullptr);
    ~TFormMain() override;

    Operator& person();
    MainStatusBars& statusBars() { return *bars_; }
    MainMenuBar& menu() { return *menu_; }
    ModemPanel& modemPanel() { return *modemPanel_; }

    // Arms the one-shot start timer that runs the connection procedure.
    void startConnection();

    // Every command, from the menu, a button or a timer, runs through here: one at
    // a time. A command asked for while another runs does not start (false); a
    // close asked for meanwhile ends the running command and closes the window
    // once it has unwound, so the settings are saved after what it changed.
    bool runCommand(const std::function<void()>& command);
    bool commandRunning() const { return commandRunning_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectCommands();
    // The current-data, legend and controller-state commands (tformmain_current_data.cpp).
    void connectCurrentDataCommands();
    void showControllerState();
    void runConnection();
    void disconnectOnRequest();
    void placeModemPanel();
    ControllerCommands controllerCommands();
    ConfigurationCommands configurationCommands();
    // Runs `command` with the daily report commands over the print preview.
    void dayReportCommands(const std::function<void(DayReportCommands&)>& command);
    // "NRepPrint" names the document the report kind prints.
    void showReportPrintCaption();

    bool chooseLink() override;
    void identifyUser() override;
    bool dialModem() override;
    void hangUpModem() override;
    TableInfo::Result showTableStates(TableStateSet& states, int softwareVersion) override;
    bool rebuildUserTable(std::span<std::uint8_t> userTable) override;
    bool editConfiguration(ConfigRecord& record, ConfigEditing editing) override;
    void connectionChanged() override;

    std::optional<std::int16_t> chooseClockCorrection(std::span<const std::uint8_t> dateTime,
                                                      std::span<const std::uint8_t> systemParameters,
                                                      const QDateTime& pcNow) override;
    std::optional<int> changeUser(std::span<std::uint8_t> userTable) override;
    void showIdentification(std::span<const std::uint8_t> identification) override;
    std::optional<QString> editControllerName(const QString& name) override;
    bool editSystemParameters(std::span<std::uint8_t> systemParameters) override;
    bool editFlowComputers(FlowComputerList& list) override;
    bool editUpperLevelPort(std::span<std::uint8_t> table, bool rateEditable) override;
    bool editModbusPort(ModbusInstrument instrument, std::span<std::uint8_t> table) override;
    bool editFlowComputerPort(std::span<std::uint8_t> table) override;
    bool editEthernetPort(std::span<std::uint8_t> table) override;
    bool editGasParamWriting(std::span<std::uint8_t> table) override;
    bool editSetPoints(GasSetPoint setPoint, std::span<std::uint8_t> table) override;
    bool editHourlyMeanPeriod(std::span<std::uint8_t> table) override;
    void startMessageTimer() override;

    std::optional<Period> choosePeriod(PeriodMode mode, const ArchiveBounds& bounds, const DateStamp& now) override;
    void showArchive(const ArchiveFile& file) override;

    AppState& state_;
    MainStatusBars* bars_ = nullptr;
    MainMenuBar* menu_ = nullptr;
    ModemPanel* modemPanel_ = nullptr;
    std::unique_ptr<QtOperator> person_;
    std::unique_ptr<ConnectionStart> connection_;
    QTimer startTimer_;
    QTimer messageTimer_;
    bool commandRunning_ = false;
    bool closePending_ = false;
    std::unique_ptr<LogDialogs> logDialogs_;
};
