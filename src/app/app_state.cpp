#include "app/app_state.h"

#include "base/save_report.h"
#include "link/serial_port_opener.h"

#include <QFile>

namespace {
WorkDirectory prepared(const WorkDirectory& directory)
{
    directory.ensureFolders();
    return directory;
}
} // namespace

AppState::AppState(const WorkDirectory& directory, QSize screen, const QDateTime& now)
    : directory(prepared(directory)), archiveChoices(ArchiveReadingChoices::load(directory.archiveChoicesFile(), now)),
      reportSettings(ReportSettings::load(directory.reportSettingsFile())),
      objects(loadObjectList(directory.objectListFile()))
{
    settings.loadSettings(directory.settingsFile(), screen);
    settings.loadPhoneList(directory.phoneListFile());
    settings.loadEthernetList(directory.ethernetListFile());
    ExchangeSettings exchange = engine.settings();
    exchange.statusPanel = StatusPanel::Exchange;
    engine.setSettings(exchange);
    engine.setPortOpener(serialPortOpener(ComPortNames(settings.gqcIni.comPorts)));
}

void AppState::saveState()
{
    const SaveResult results[] = {settings.saveSettings(directory.settingsFile()),
                                  archiveChoices.save(directory.archiveChoicesFile())};
    if (person_)
        for (const SaveResult& result : results)
            reportSaveFailure(*person_, result);
}

void AppState::takeReportSettings(const ReportSettings& accepted)
{
    reportSettings = accepted;
    const SaveResult saved = reportSettings.save(directory.reportSettingsFile());
    if (person_)
        reportSaveFailure(*person_, saved);
}

void AppState::closeDown()
{
    engine.closeLink();
    connected = false;
    saveState();
    for (const QString& path : directory.temporaryFiles())
        QFile::remove(path);
}
