#include "forms/tformmain.h"

#include "app/app_state.h"
#include "app/archive_commands.h"
#include "app/archive_file_commands.h"
#include "app/day_report_commands.h"
#include "app/engine_credentials.h"
#include "app/log_commands.h"
#include "app/main_menu.h"
#include "app/modem_connection.h"
#include "app/pdf_saving.h"
#include "app/report_texts_command.h"
#include "app/set_point_levels_reading.h"
#include "app/spreadsheet_report_commands.h"
#include "base/byte_view.h"
#include "forms/archive_viewers.h"
#include "forms/log_dialogs.h"
#include "forms/main_menu_bar.h"
#include "forms/main_status_bars.h"
#include "forms/modem_panel.h"
#include "forms/printout_preview.h"
#include "forms/qt_operator.h"
#include "forms/spreadsheet_report_dialogs.h"
#include "forms/tformaccess.h"
#include "forms/tformchangeaccess.h"
#include "forms/tformconnect.h"
#include "forms/tformdt.h"
#include "forms/tformrepconf.h"
#include "forms/tformrepformate.h"
#include "forms/tformshortdate.h"
#include "forms/tformshortuspass.h"
#include "forms/tformtableinfo.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>

namespace {
constexpr int startDelayMs = 100;
constexpr int transientTextMs = 3000;
constexpr int modemPanelAboveBars = 8;
constexpr int modemPanelFromRight = 4;
} // namespace

TFormMain::TFormMain(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state)
{
    setWindowTitle(QStringLiteral("gqc_Monitor"));
    setCentralWidget(new QWidget(this));
    bars_ = new MainStatusBars(*this);
    menu_ = new MainMenuBar(*menuBar());
    modemPanel_ = new ModemPanel(this);
    person_ = std::make_unique<QtOperator>(*this);
    state_.setOperator(*person_);
    connection_ =
        std::make_unique<ConnectionStart>(state_, *person_, static_cast<ConnectionWindows&>(*this), pcLocalTime);

    // Until a controller is connected the menu offers nothing.
    menu_->hideAll();
    menuBar()->hide();

    startTimer_.setSingleShot(true);
    startTimer_.setInterval(startDelayMs);
    connect(&startTimer_, &QTimer::timeout, this, [this] {
        // A connection asked for while a command runs starts once it is over.
        if (!runCommand([this] { runConnection(); }))
            startTimer_.start();
    });
    messageTimer_.setSingleShot(true);
    messageTimer_.setInterval(transientTextMs);
    connect(&messageTimer_, &QTimer::timeout, this, [this] { bars_->setText(StatusPanel::Transient, {}); });
    connect(modemPanel_, &ModemPanel::disconnectRequested, this,
            [this] { runCommand([this] { disconnectOnRequest(); }); });
    connectCommands();
    showReportPrintCaption();

    const CurrentSettings& current = state_.settings.gqcIni.current;
    setGeometry(current.windowLeft, current.windowTop, current.windowWidth, current.windowHeight);
}

TFormMain::~TFormMain() = default;

Operator& TFormMain::person()
{
    return *person_;
}

void TFormMain::startConnection()
{
    startTimer_.start();
}

void TFormMain::connectCommands()
{
    const auto on = [this](const char* name, auto handler) {
        connect(menu_->action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler] { runCommand(handler); });
    };
    on("Nconnect", [this] { startConnection(); });
    on("NUser", [this] { identifyUser(); });
    on("NContrDt", [this] { controllerCommands().dateAndTime(); });
    on("NAccess", [this] { controllerCommands().userAccess(); });
    on("NIdent", [this] { controllerCommands().identification(); });
    on("NContrName", [this] { controllerCommands().controllerName(); });
    on("NFlowComputers", [this] { controllerCommands().flowComputers(); });
    on("NConnVU", [this] { controllerCommands().upperLevelPort(); });
    on("NConnHGC", [this] { controllerCommands().modbusPort(ModbusInstrument::Chromatograph); });
    on("NConnWMT", [this] { controllerCommands().modbusPort(ModbusInstrument::MoistureMeter); });
    on("NConnVich", [this] { controllerCommands().flowComputerPort(); });
    on("NConnEth", [this] { controllerCommands().ethernetPort(); });
    on("NPrzDistr", [this] { controllerCommands().gasParamWriting(); });
    on("NZone", [this] { controllerCommands().setPoints(GasSetPoint::Zone); });
    on("NLowerWarning", [this] { controllerCommands().setPoints(GasSetPoint::LowerWarning); });
    on("NUpperWarning", [this] { controllerCommands().setPoints(GasSetPoint::UpperWarning); });
    on("NLowerLimit", [this] { controllerCommands().setPoints(GasSetPoint::LowerLimit); });
    on("NUpperLimit", [this] { controllerCommands().setPoints(GasSetPoint::UpperLimit); });
    on("NDistr", [this] { controllerCommands().hourlyMeanPeriod(); });
    on("NSysPar", [this] {
        controllerCommands().systemParameters();
        // The moisture-meter items follow byte 8 as the controller now holds it.
        menu_->rebuild(state_.connected, state_.moistureMeter != 0);
    });
    on("NFormate", [this] {
        ReportSettings settings = state_.reportSettings;
        if (TFormRepConf(settings, *person_, this).exec() == QDialog::Accepted)
            state_.takeReportSettings(settings);
        showReportPrintCaption();
    });
    on("NRepCreate", [this] {
        dayReportCommands([this](DayReportCommands& commands) { commands.create(state_.requestContext(*person_)); });
    });
    on("NRepPrint", [this] { dayReportCommands([](DayReportCommands& commands) { commands.printFile(); }); });
    const auto editTexts = [this](ReportTextsPanel panel) {
        editReportTexts(*person_, state_.directory, panel, [this](ReportTexts& texts, ReportTextsPanel shown) {
            return TFormRepFormate(texts, shown, this).exec() == QDialog::Accepted;
        });
    };
    on("NRepFormate", [editTexts] { editTexts(ReportTextsPanel::Certificate); });
    on("NPaspFormate", [editTexts] { editTexts(ReportTextsPanel::Passport); });
    const auto makeSpreadsheet = [this](SpreadsheetReportKind kind) {
        SpreadsheetReportDialogs windows(state_.objects, state_.directory.objectListFile(), *person_, this,
                                         [this] { messageTimer_.start(); });
        SpreadsheetReportCommands(state_.requestContext(*person_), windows, state_.directory,
                                  QCoreApplication::applicationDirPath())
            .make(kind);
    };
    on("NExcDay", [makeSpreadsheet] { makeSpreadsheet(SpreadsheetReportKind::Day); });
    on("NExcMon", [makeSpreadsheet] { makeSpreadsheet(SpreadsheetReportKind::Month); });
    on("NNewCnf", [this] { configurationCommands().createNew(); });
    on("NViewCnf", [this] { configurationCommands().viewFile(); });
    on("Nrdcnf", [this] {
        configurationCommands().saveFromController();
        menu_->rebuild(state_.connected, state_.moistureMeter != 0);
    });
    const std::pair<const char*, ArchiveKind> archiveViews[] = {
        {"NChrom_View5min", ArchiveKind::ChromFiveMinute}, {"NChrom_ViewHour", ArchiveKind::ChromHourly},
        {"NChrom_ViewDay", ArchiveKind::ChromDaily},       {"NWmt_View5min", ArchiveKind::WmtFiveMinute},
        {"NWmt_ViewHour", ArchiveKind::WmtHourly},         {"NWmt_ViewDay", ArchiveKind::WmtDaily}};
    for (const ArchiveKind kind : archiveKinds())
        on(archiveKindInfo(kind).menuItem, [this, kind] {
            ArchiveCommands(state_.requestContext(*person_), *this, state_.directory, pcLocalTime,
                            waitWhilePumping(*person_))
                .read(kind);
        });
    for (const auto& view : archiveViews) {
        const ArchiveKind kind = view.second;
        on(view.first,
           [this, kind] { viewArchiveFile(*person_, state_.directory, kind, static_cast<ArchiveWindows&>(*this)); });
    }
    // The event logs; the index and period items tell the logs apart as their menu items' tags do.
    logDialogs_ = std::make_unique<LogDialogs>(this, *person_, state_.directory, [this] { messageTimer_.start(); });
    const auto logCommands = [this] {
        return LogCommands(state_.requestContext(*person_), *logDialogs_, state_.directory, pcLocalTime);
    };
    const std::tuple<const char*, const char*, const char*, LogKind> logItems[] = {
        {"NAudInd", "NAudPer", "NAudPrn", LogKind::Interventions},
        {"NAlaInd", "NAlaPer", "NAlaPrn", LogKind::Diagnostics}};
    for (const auto& [byIndex, byPeriod, fromFile, kind] : logItems) {
        on(byIndex, [logCommands, kind] { logCommands().readByIndex(kind); });
        on(byPeriod, [logCommands, kind] { logCommands().readByPeriod(kind); });
        on(fromFile, [this, kind] { viewLogFile(*person_, state_.directory, kind, *logDialogs_); });
    }
    connectCurrentDataCommands();
    on("NVersion", [this] {
        person_->message(MessageKind::Information, QStringLiteral("gqc_Monitor"),
                         QStringLiteral("Версия %1").arg(QCoreApplication::applicationVersion()));
    });
}

bool TFormMain::runCommand(const std::function<void()>& command)
{
    if (commandRunning_)
        return false;
    commandRunning_ = true;
    command();
    commandRunning_ = false;
    if (closePending_) {
        closePending_ = false;
        person_->endInterrupt();
        close();
        return true;
    }
    // What was clicked while nothing processed events (a connect, a settling pause) is dropped too.
    person_->discardPendingInput();
    return true;
}

void TFormMain::runConnection()
{
    startTimer_.stop();
    menu_->hideAll();
    connection_->run();
}

void TFormMain::disconnectOnRequest()
{
    connection_->disconnect();
    connectionChanged();
}

ControllerCommands TFormMain::controllerCommands()
{
    return {state_.requestContext(*person_), static_cast<ControllerCommandWindows&>(*this), pcLocalTime};
}

ConfigurationCommands TFormMain::configurationCommands()
{
    return {state_.directory, state_.requestContext(*person_),
            static_cast<ConfigurationWindows&>(static_cast<ConnectionWindows&>(*this)), pcLocalTime};
}

void TFormMain::dayReportCommands(const std::function<void(DayReportCommands&)>& command)
{
    PrintoutPreview windows(
        this, *person_, [this](const QByteArray& pdf) { savePdfAs(*person_, state_.directory.reports(), {}, pdf); });
    DayReportCommands commands(*person_, {windows, state_.directory, state_.reportSettings, state_.slotMap, pcLocalTime,
                                          [this] { messageTimer_.start(); }});
    command(commands);
}

void TFormMain::showReportPrintCaption()
{
    menu_->action(QStringLiteral("NRepPrint"))->setText(reportPrintCaption(state_.reportSettings));
}

bool TFormMain::chooseLink()
{
    TFormConnect dialog(state_, *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

void TFormMain::identifyUser()
{
    OperatorCredentials credentials = engineCredentials(state_.engine);
    TFormShortUsPass dialog(credentials, *person_, this);
    if (dialog.exec() == QDialog::Accepted)
        loadCredentials(state_.engine, credentials);
}

bool TFormMain::dialModem()
{
    if (!dialChosenSubscriber(state_, *person_))
        return false;
    modemPanel_->start();
    placeModemPanel();
    return true;
}

void TFormMain::hangUpModem()
{
    ::hangUpModem(state_, *person_);
    modemPanel_->stop();
}

TableInfo::Result TFormMain::showTableStates(TableStateSet& states, int softwareVersion)
{
    TFormTableInfo dialog(states, softwareVersion, state_.requestContext(*person_), this);
    return static_cast<TableInfo::Result>(dialog.exec());
}

bool TFormMain::rebuildUserTable(std::span<std::uint8_t> userTable)
{
    TFormAccess dialog(userTable, QStringLiteral("Записать в устройство"), *person_, this);
    return dialog.exec() == QDialog::Accepted;
}

void TFormMain::connectionChanged()
{
    menu_->rebuild(state_.connected, state_.moistureMeter != 0);
    if (!state_.connected) {
        modemPanel_->stop();
        bars_->setText(StatusPanel::Link, {});
        bars_->setText(StatusPanel::Address, {});
    }
}

std::optional<std::int16_t> TFormMain::chooseClockCorrection(std::span<const std::uint8_t> dateTime,
                                                             std::span<const std::uint8_t> systemParameters,
                                                             const QDateTime& pcNow)
{
    TFormDt dialog(byteView(dateTime), byteView(systemParameters), pcNow, *person_, this);
    dialog.exec();
    return dialog.correction();
}

std::optional<int> TFormMain::changeUser(std::span<std::uint8_t> userTable)
{
    TFormChangeAccess dialog(userTable, *person_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.changedSlot() < 0)
        return std::nullopt;
    return dialog.changedSlot();
}

void TFormMain::startMessageTimer()
{
    messageTimer_.start();
}

std::optional<Period> TFormMain::choosePeriod(PeriodMode mode, const ArchiveBounds& bounds, const DateStamp& now)
{
    TFormShortDate dialog(mode, bounds, now, state_.periodMemory, *person_, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.period();
}

void TFormMain::showArchive(const ArchiveFile& file)
{
    ArchiveViewerContext context{state_.reportSettings, state_.directory, *person_, pcLocalTime};
    if (state_.connected)
        context.controllerSetPoints = [this] {
            RequestLayer layer(state_.requestContext(*person_));
            return readSetPointLevels(layer);
        };
    showArchiveViewer(file, context, this);
}

void TFormMain::placeModemPanel()
{
    modemPanel_->move(width() - modemPanel_->width() - modemPanelFromRight,
                      bars_->top() - modemPanel_->height() - modemPanelAboveBars);
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    bars_->fitTransientPanel();
}

void TFormMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    bars_->fitTransientPanel();
    placeModemPanel();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (commandRunning_) {
        closePending_ = true;
        person_->interrupt([this] { state_.engine.requestAbort(); });
        return;
    }
    commandRunning_ = true; // the hang-up waits too: no command, no second close meanwhile
    {
        const BusyCursor busy(*person_);
        connection_->disconnect();
    }
    state_.closeDown(); // a file it cannot save is told in a message, under the ordinary cursor
    commandRunning_ = false;
    event->accept();
}
