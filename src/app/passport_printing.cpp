#include "app/passport_printing.h"

#include "app/report_output.h"
#include "reports/analysis_passport.h"
#include "reports/organisation_title.h"
#include "reports/page_frame.h"
#include "reports/report_texts.h"
#include "settings/work_directory.h"

namespace {

// Why the row's analysis cannot be given a passport; empty for a valid one.
QString refusal(MomentAnalysis::State state)
{
    switch (state) {
    case MomentAnalysis::State::Valid:
        break;
    case MomentAnalysis::State::Damaged:
        return QStringLiteral("Запись анализа повреждена (не совпадает КС)");
    case MomentAnalysis::State::SwitchedOff:
        return QStringLiteral("Хроматограф был выключен");
    case MomentAnalysis::State::NoLink:
        return QStringLiteral("Не было связи с хроматографом");
    case MomentAnalysis::State::Calibration:
        return QStringLiteral("Хроматограф был в режиме калибровки");
    }
    return {};
}

} // namespace

void printAnalysisPassport(Operator& person, const WorkDirectory& directory, ReportWindows& windows,
                           const ArchiveFile& file, const ChromMomentTable& table, std::optional<int> selectedRow,
                           const ReportSettings& settings)
{
    if (!selectedRow || *selectedRow < 0 || *selectedRow >= table.rowCount()) {
        person.message(MessageKind::Error, QStringLiteral("Выберите анализ для печати паспорта"),
                       QStringLiteral("(строку таблицы)"));
        return;
    }
    const MomentAnalysis analysis = table.analysis(*selectedRow);
    if (const QString reason = refusal(analysis.state); !reason.isEmpty()) {
        person.message(MessageKind::Error, QStringLiteral("Паспорт анализа не может быть напечатан:"), reason);
        return;
    }
    const ReportDocument passport =
        analysisPassport({controllerLine(file.header), analysis.stamp, analysis.values},
                         OrganisationTitle::read(OrganisationTitle::filePath(directory)),
                         ReportTexts::read(ReportTexts::filePath(directory)), settings,
                         ComponentSlotMap().forChromatographType(file.header.chromatographType()));
    const QStringList lines{QStringLiteral("Физико-химические показатели природного газа"),
                            QStringLiteral("по результатам однократного анализа"), analysisTimeText(analysis.stamp)};
    offerReportOutput(person, windows, lines, passport, PrintRoute::DefaultPrinter);
}
