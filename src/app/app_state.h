#pragma once

#include "archives/archive_reading_choices.h"
#include "exchange/request_context.h"
#include "gas/component_slot_map.h"
#include "gas/report_settings.h"
#include "link/hgcbox.h"
#include "settings/object_list.h"
#include "settings/settings_block.h"
#include "settings/work_directory.h"
#include "tables/param_image.h"
#include "tables/period_memory.h"

#include <QDateTime>
#include <QSize>

// The program's state for the whole run: its directory tree, the settings and
// side files loaded at start-up, the exchange engine, the image of the
// controller's tables and the connection state.
class AppState {
public:
    // Start-up: makes sure the directory tree exists and loads the settings and
    // the side files; anything missing or unreadable takes its defaults, silently.
    // The engine starts with address 0 and shows "Обмен..." in the exchange panel.
    AppState(const WorkDirectory& directory, QSize screen, const QDateTime& now);

    // The person the engine pumps and reports to while it waits, and who is
    // told of files that could not be saved.
    void setOperator(Operator& person)
    {
        person_ = &person;
        engine.setOperator(&person);
    }
    // What the table transfers work on, with `person` to watch and answer them.
    RequestContext requestContext(Operator& person) { return {engine, person, image, settings, moistureMeter}; }

    // Writes the changed settings regions and the archive-reading choices. Each
    // file that could not be written is reported to the operator (when one is
    // set) and keeps its old content; unsaved settings are tried again next time.
    void saveState();
    // The presentation settings the operator accepted, kept and written to
    // "repconf.ini"; a file that could not be written is reported.
    void takeReportSettings(const ReportSettings& accepted);
    // At close: the link is closed, saveState(), then the temporary data files are deleted.
    void closeDown();

    const WorkDirectory directory;
    SettingsBlock settings;
    ArchiveReadingChoices archiveChoices;
    // The periods the period dialog remembers for the rest of the run.
    PeriodMemory periodMemory;
    ReportSettings reportSettings;
    // The metering objects of the spreadsheet reports ("objects.ini"), written
    // by the dialogs that change them.
    ObjectList objects;
    // Where the components and properties sit in the chromatograph's records:
    // follows the chromatograph type of the connected controller.
    ComponentSlotMap slotMap;
    hgcbox engine{0};
    ParamImage image;
    bool connected = false;
    bool modemConnected = false;    // a telephone connection is up
    std::uint8_t moistureMeter = 0; // byte 8 of table 6: 0 when no moisture meter is connected

private:
    Operator* person_ = nullptr;
};
