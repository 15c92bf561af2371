#include "app/report_texts_command.h"

#include "base/save_report.h"

void editReportTexts(Operator& person, const WorkDirectory& directory, ReportTextsPanel panel,
                     const ReportTextsEditor& edit)
{
    const QString path = ReportTexts::filePath(directory);
    ReportTexts texts = ReportTexts::read(path);
    texts.correctDayStartHour();
    if (edit(texts, panel))
        reportSaveFailure(person, texts.save(path));
}
