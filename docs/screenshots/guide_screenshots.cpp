// Pictures of the program's windows for the operator's guide, taken from the
// real windows connected to the simulated controller, so that they follow the
// windows as these change. Run with QT_QPA_PLATFORM=offscreen.
#include "app/app_state.h"
#include "app/program_version.h"
#include "base/windows1251.h"
#include "forms/main_menu_bar.h"
#include "forms/tformmain.h"
#include "sim/sim_server.h"
#include "window_script.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <clocale>

namespace {

constexpr QSize guideWindow(1000, 700);
// The archive and log viewers are pictured as large as the main window, to show more of their tables.
constexpr QSize viewerSize = guideWindow;

// Writes a file of the working directory in the code page the program keeps them in.
bool writeSetting(const QDir& directory, const QString& relative, const QString& text)
{
    QFile file(directory.filePath(relative));
    return directory.mkpath(QFileInfo(relative).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(toWindows1251(text)) == toWindows1251(text).size();
}

// An Ethernet subscriber list holding the simulator, chosen as the link, a telephone list,
// and the day report's template as a station's own.
bool prepareWorkDirectory(const QDir& directory, quint16 port)
{
    const QString dayTemplate = QStringLiteral("day_report_title.xlsx");
    return QFile::copy(QDir(QStringLiteral(GQC_REPORT_TEMPLATE_DIR)).filePath(dayTemplate),
                       directory.filePath(dayTemplate)) &&
           writeSetting(directory, "INI/gqc.ini",
                        "[CURR_PAR]\r\nConn_Prz=2\r\n[ETHERNET_CONN_PAR]\r\nSend_Pause_ms=0\r\n") &&
           writeSetting(directory, "INI/ethr_abonents.ini",
                        QStringLiteral("[ETHERNET_CONN_PAR]\r\nusers_num=2\r\n[ETHERNET_ABONENT_1]\r\n"
                                       "user_name=ГРС Северная\r\ncontr_adr=1\r\nip_adr=2130706433\r\nport=%1\r\n"
                                       "[ETHERNET_ABONENT_2]\r\nuser_name=ГРС Южная\r\ncontr_adr=1\r\n"
                                       "ip_adr=3232235786\r\nport=4001\r\n")
                            .arg(port)) &&
           writeSetting(directory, "INI/objects.ini",
                        QStringLiteral("[OBJECT_LIST]\r\nobj_num=2\r\n[OBJECT_1]\r\nobj_name=ГРС Северная\r\n"
                                       "contr_adr=1\r\n[OBJECT_2]\r\nobj_name=ГРС Южная\r\ncontr_adr=2\r\n")) &&
           writeSetting(directory, "INI/fon_abonents.ini",
                        QStringLiteral("[FON_CONN_PAR]\r\nusers_num=1\r\n[FON_ABONENT_1]\r\n"
                                       "user_name=ГРС Лесная\r\ncontr_adr=1\r\nphone_code=84951234567\r\n"));
}

// Gives the simulator's administrator and accepts.
void logInAsAdministrator(QWidget& dialog)
{
    dialog.findChild<QLineEdit*>(QStringLiteral("code"))->setText(QStringLiteral("0002"));
    dialog.findChild<QLineEdit*>(QStringLiteral("password"))->setText(QStringLiteral("222222"));
    press({QStringLiteral("Принять")})(dialog);
}

// The main window with one of its menus dropped down: the menu is a window of its own, drawn over
// the main window where it stands.
bool pictureWithMenu(WindowScript& script, TFormMain& window, const char* item, const QString& image)
{
    QAction* action = window.menu().action(QString::fromLatin1(item));
    QMenuBar* bar = window.menuBar();
    QMenu* menu = action->menu();
    menu->popup(bar->mapToGlobal(bar->actionGeometry(action).bottomLeft()));
    QApplication::processEvents();
    QImage picture = window.grab().toImage();
    {
        QPainter painter(&picture);
        painter.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
    }
    menu->hide();
    return script.save(picture, image, action->text());
}

// Names a file in a file dialog and accepts it.
std::function<void(QWidget&)> chooseFile(const QString& name)
{
    return [name](QWidget& window) {
        // Typed as the operator types it: a proposed name the dialog was given comes after selectFile().
        window.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        static_cast<QDialog&>(window).accept(); // the file dialog's own accept, public through QDialog
    };
}

struct MenuScene {
    const char* item;
    QList<ScriptStep> steps;
};

// The windows each menu item opens, in the order of the guide.
QList<MenuScene> menuScenes()
{
    const QString periodCaption = QStringLiteral("Ввод периода времени запрашиваемых данных");
    const QString configurationFile = QStringLiteral("grs_severnaya.cnf");
    const auto lastRecords = press({QStringLiteral("Последние 50 записей"), QStringLiteral("Принять")});
    return {
        {"NIdent", {{"Параметры идентификации контроллера", "identification.png", {}}}},
        {"NSysPar", {{"Системные параметры контроллера", "system_parameters.png", {}}}},
        {"NConnEth", {{"Параметры связи по Ethernet", "ethernet_port.png", {}}}},
        {"NFlowComputers", {{"Параметры вычислителей расхода газа", "flow_computers.png", {}}}},
        {"NUpperLimit", {{"Верхний предел", "limits.png", {}}}},
        {"NAccess", {{"Доступ пользователей к записи в контроллер", "user_access.png", {}}}},
        {"NContrDt", {{"Текущие дата и время", "date_time.png", {}}}},
        {"NSit", {{"Текущее состояние контроллера", "controller_state.png", {}, {}, showsValues}}},
        {"NFun", {{"Возможность исполнения контроллером его функций", "functions.png", {}}}},
        {"NChrom_MomData", {{"Мгновенные данные хроматографа", "chromatograph_data.png", {}, {}, showsValues}}},
        {"NChrom_ReadHour",
         {{periodCaption, "archive_period.png", press({QStringLiteral("Принять")})},
          {"Часовые", "archive_hourly.png", {}, viewerSize}}},
        {"NAudInd",
         {{"Индексы архивных записей о вмешательствах", "log_index.png", lastRecords},
          {"Сообщения о вмешательствах оператора с индексами", "log_interventions.png", {}, viewerSize}}},
        {"NAlaInd",
         {{"Индексы архивных записей диагностики", {}, lastRecords},
          {"Диагностические сообщения с индексами", "log_diagnostics.png", {}, viewerSize}}},
        {"Nrdcnf",
         {{"Выбор файла для записи параметров конфигурации", {}, chooseFile(configurationFile)},
          {"", {}, press({QStringLiteral("OK")})}}},
        {"NViewCnf",
         {{"Выбор файла с параметрами конфигурации", {}, chooseFile(configurationFile)},
          {"Параметры конфигурации контроллера", "configuration.png", {}}}},
        {"NFormate", {{"Формат представления данных", "report_format.png", {}}}},
        {"NRepFormate", {{"Формат суточного сертификата", "certificate_texts.png", {}}}},
        {"NRepCreate", {{"Чтение данных для создания отчета", "report_reading.png", {}}}},
        {"NExcDay",
         {{"Параметры отчета за сутки", "spreadsheet_day.png", press({QStringLiteral("Список объектов")})},
          {"Список объектов", "objects.png", press({QStringLiteral("Отменить")})},
          {"Параметры отчета за сутки", {}, {}}}},
        {"NMean", {{"Условные обозначения, принятые в программе", "legend.png", {}}}},
        // The message window has no caption.
        {"NVersion", {{"", "message.png", {}}}},
    };
}

int playGuide(const QDir& output)
{
    QTextStream err(stderr);
    SimServerOptions options;
    options.tcp = true;
    SimServer simulator(options);
    QString error;
    if (!simulator.start(&error)) {
        err << "the simulator did not start: " << error << Qt::endl;
        return 1;
    }
    QTemporaryDir workDirectory;
    if (!workDirectory.isValid() || !prepareWorkDirectory(QDir(workDirectory.path()), simulator.tcpPort())) {
        err << "the working directory could not be prepared" << Qt::endl;
        return 1;
    }
    AppState state(WorkDirectory(workDirectory.path()), QSize(1280, 1024), QDateTime::currentDateTime());
    TFormMain window(state);
    window.resize(guideWindow);
    window.show();

    WindowScript script(output);
    const bool connected =
        script.play(QStringLiteral("connection"), [&window] { window.startConnection(); },
                    {{"Связаться", "connect.png", press({QStringLiteral("Изменить параметры связи")})},
                     {"Параметры связи с устройством", "link_parameters.png", press({QStringLiteral("Отменить")})},
                     {"Связаться", {}, press({QStringLiteral("Список абонентов")})},
                     {"Список абонентов", "subscribers.png", press({QStringLiteral("Изменить")})},
                     {"Параметры абонента", "subscriber.png", press({QStringLiteral("Отменить")})},
                     {"Список абонентов", {}, press({QStringLiteral("Отменить")})},
                     {"Связаться", {}, press({QStringLiteral("Связаться")})},
                     {"Идентификация пользователя программы", "user.png", logInAsAdministrator}});
    if (!connected || !state.connected) {
        err << (connected ? QStringLiteral("connection: the controller is not connected") : script.error()) << Qt::endl;
        return 1;
    }
    // The commands run from the timers once connected; the window shows the controller once they are over.
    if (!script.play(QStringLiteral("main window"), [] {}, {}) ||
        !pictureWithMenu(script, window, "NWorkPar", "main_window.png")) {
        err << script.error() << Qt::endl;
        return 1;
    }
    for (const MenuScene& scene : menuScenes()) {
        QAction* item = window.menu().action(QString::fromLatin1(scene.item));
        if (!script.play(
                QString::fromLatin1(scene.item), [item] { item->trigger(); }, scene.steps)) {
            err << script.error() << Qt::endl;
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("gqc_Monitor"));
    application.setApplicationVersion(QLatin1String(ProgramVersion));
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: gqc_guide_screenshots OUTPUT_DIRECTORY" << Qt::endl;
        return 2;
    }
    const QDir output(arguments[1]);
    if (!output.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot make " << arguments[1] << Qt::endl;
        return 1;
    }
    return playGuide(output);
}
