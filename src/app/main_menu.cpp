#include "app/main_menu.h"

#include <QSet>

namespace {

const QSet<QString> needConnection = {
    "NWorkPar",       "NContrDt",        "NRepCreate",      "Nexcreport",      "NSit",           "NFun",
    "NChrom_MomData", "NChrom_MeanData", "NChrom_Read5min", "NChrom_ReadHour", "NChrom_ReadDay", "NWmt_MomData",
    "NWmt_MeanData",  "NWmt_Read5min",   "NWmt_ReadHour",   "NWmt_ReadDay",    "NAudInd",        "NAudPer",
    "NAlaInd",        "NAlaPer",         "Nrdcnf",          "NState"};
const QSet<QString> moistureMeterItems = {"NConnWMT", "NWmt_Data"};
// "Формат представления данных" stays in reach: it is the only way to the presentation settings.
const QSet<QString> neverShown = {"NChrom_MeanData", "NWmt_MeanData", "NRep"};

} // namespace

const std::vector<MenuEntry>& mainMenuEntries()
{
    static const std::vector<MenuEntry> entries = {
        {"NLink", "Связь", ""},
        {"Nconnect", "Связь с другим устройством", "NLink"},
        {"NUser", "Идентификация пользователя программы", "NLink"},
        {"NWorkPar", "Параметры", ""},
        {"NIdent", "Параметры идентификации", "NWorkPar"},
        {"NContrName", "Наименование контроллера", "NWorkPar"},
        {"NSysPar", "Системные параметры", "NWorkPar"},
        {"NConnPar", "Параметры связи", "NWorkPar"},
        {"NConnVU", "С верхним уровнем", "NConnPar"},
        {"NConnHGC", "C хроматографом", "NConnPar"},
        {"NConnWMT", "С влагомером", "NConnPar"},
        {"NConnVich", "С вычислителем расхода газа", "NConnPar"},
        {"NConnEth", "Параметры связи по Ethernet", "NConnPar"},
        {"NFlowComputers", "Параметры вычислителей", "NWorkPar"},
        {"NGasPar", "Параметры газа", "NWorkPar"},
        {"NPrzDistr", "Необходимость записи значений параметров газа в ВРГ", "NGasPar"},
        {"NZone", "Зона нечувствительности изменений параметров газа", "NGasPar"},
        {"NLowerWarning", "Нижняя предупредительная уставка параметра газа", "NGasPar"},
        {"NUpperWarning", "Верхняя предупредительная уставка параметра газа", "NGasPar"},
        {"NLowerLimit", "Нижний предел значения параметра газа, допускаемого к записи в ВРГ", "NGasPar"},
        {"NUpperLimit", "Верхний предел значения параметра газа, допускаемого к записи в ВРГ", "NGasPar"},
        {"NDistr", "Период записи средних за час значений параметров газа в ВРГ", "NGasPar"},
        {"NAccess", "Доступ пользователей к таблицам параметров", "NWorkPar"},
        {"NContrDt", "Дата и время", ""},
        {"NState", "Состояние", ""},
        {"NSit", "Текущее состояние контроллера", "NState"},
        {"NFun", "Возможность исполнения контроллером его функций", "NState"},
        {"NChrom_Data", "Данные хроматографа", ""},
        {"NChrom_MomData", "Мгновенные данные хроматографа, зоны параметров газа", "NChrom_Data"},
        {"NChrom_5min", "5-минутные данные", "NChrom_Data"},
        {"NChrom_Read5min", "Чтение архива контроллера", "NChrom_5min"},
        {"NChrom_View5min", "Просмотр/Печать из файла", "NChrom_5min"},
        {"NChrom_Hour", "Часовые  данные", "NChrom_Data"},
        {"NChrom_ReadHour", "Чтение архива контроллера", "NChrom_Hour"},
        {"NChrom_ViewHour", "Просмотр/Печать из файла", "NChrom_Hour"},
        {"NChrom_Day", "Суточные  данные", "NChrom_Data"},
        {"NChrom_ReadDay", "Чтение архива контроллера", "NChrom_Day"},
        {"NChrom_ViewDay", "Просмотр/Печать из файла", "NChrom_Day"},
        {"NWmt_Data", "Данные влагомера", ""},
        {"NWmt_MomData", "Мгновенные данные влагомера", "NWmt_Data"},
        {"NWmt_5min", "5-минутные данные", "NWmt_Data"},
        {"NWmt_Read5min", "Чтение архива контроллера", "NWmt_5min"},
        {"NWmt_View5min", "Просмотр/Печать из файла", "NWmt_5min"},
        {"NWmt_Hour", "Часовые  данные", "NWmt_Data"},
        {"NWmt_ReadHour", "Чтение архива контроллера", "NWmt_Hour"},
        {"NWmt_ViewHour", "Просмотр/Печать из файла", "NWmt_Hour"},
        {"NWmt_Day", "Суточные  данные", "NWmt_Data"},
        {"NWmt_ReadDay", "Чтение архива контроллера", "NWmt_Day"},
        {"NWmt_ViewDay", "Просмотр/Печать из файла", "NWmt_Day"},
        {"NEvents", "Сообщения", ""},
        {"NAud", "Сообщения о вмешательствах оператора", "NEvents"},
        {"NAudInd", "Запрос по индексу", "NAud"},
        {"NAudPer", "Запрос за период", "NAud"},
        {"NAudPrn", "Просмотр/Печать из файла", "NAud"},
        {"NAla", "Диагностические сообщения", "NEvents"},
        {"NAlaInd", "Запрос по индексу", "NAla"},
        {"NAlaPer", "Запрос за период", "NAla"},
        {"NAlaPrn", "Просмотр/Печать из файла", "NAla"},
        {"NReports", "Отчеты", ""},
        {"NFormate", "Формат представления данных", "NReports"},
        {"NRepCreate", "Чтение данных для создания отчета", "NReports"},
        {"NRepPrint", "Просмотр/Печать суточного сертификата", "NReports"},
        {"NRepFormate", "Формат суточного сертификата", "NReports"},
        {"NPaspFormate", "Формат суточного паспорта", "NReports"},
        {"Nexcreport", "Отчеты в формате Excel", "NReports"},
        {"NExcDay", "Паспорт ККГ показателей за сутки", "Nexcreport"},
        {"NExcMon", "Паспорт ККГ показателей за месяц", "Nexcreport"},
        {"NConfig", "Конфигурация", ""},
        {"NNewCnf", "Создание нового файла конфигурации", "NConfig"},
        {"NViewCnf", "Просмотр/Корректировка файла конфигурации", "NConfig"},
        {"Nrdcnf", "Сохранение параметров конфигурации в файле", "NConfig"},
        {"NHelp", "Помощь", ""},
        {"NMean", "Условные обозначения, принятые в программе", "NHelp"},
        {"NVersion", "Версия", "NHelp"},
    };
    return entries;
}

bool menuItemHidden(const QString& name, bool connected, bool moistureMeter)
{
    return neverShown.contains(name) || (!connected && needConnection.contains(name)) ||
           (connected && !moistureMeter && moistureMeterItems.contains(name));
}

QString reportPrintCaption(const ReportSettings& settings)
{
    return settings.reportKind() == 1 ? QStringLiteral("Просмотр/Печать суточного паспорта")
                                      : QStringLiteral("Просмотр/Печать суточного сертификата");
}
