#include "logs/log_kind.h"

#include "settings/work_directory.h"

namespace {

const LogKindInfo Interventions{
    .kind = LogKind::Interventions,
    .selector = 1,
    .boundsTable = 11,
    .recordSize = 24,
    .rowSize = 205,
    .fieldWidths = {20, 20, 100, 20, 20, 20, 5},
    .signature = "AUD",
    .temporaryFile = "datafile.aud",
    .extension = ".aud",
    .folder = &WorkDirectory::interventionLogs,
    .messageLine = "Сообщения о вмешательствах оператора",
    .indexCaption = "Индексы архивных записей о вмешательствах",
    .errorLine = "в архиве сообщений о вмешательствах",
    .notThisLog = "сообщения о вмешательствах оператора контроллера ККГ_04",
};

const LogKindInfo Diagnostics{
    .kind = LogKind::Diagnostics,
    .selector = 0,
    .boundsTable = 10,
    .recordSize = 22,
    .rowSize = 300,
    .fieldWidths = {20, 20, 100, 100, 20, 20, 20},
    .signature = "ALA",
    .temporaryFile = "datafile.ala",
    .extension = ".ala",
    .folder = &WorkDirectory::diagnosticLogs,
    .messageLine = "Диагностические сообщения",
    .indexCaption = "Индексы архивных записей диагностики",
    .errorLine = "в архиве диагностических сообщений",
    .notThisLog = "диагностические сообщения контроллера ККГ_04",
};

} // namespace

const LogKindInfo& logKindInfo(LogKind kind)
{
    return kind == LogKind::Interventions ? Interventions : Diagnostics;
}
