#pragma once

#include "app/configuration_windows.h"
#include "app/pc_clock.h"
#include "exchange/request_context.h"

class WorkDirectory;

// The menu commands on configuration files: one created new from the defaults,
// one opened from a file, and one read from the connected controller, each
// offered for saving afterwards.
class ConfigurationCommands {
public:
    // The files are kept in the CONFIG folder of `directory`.
    ConfigurationCommands(const WorkDirectory& directory, RequestContext context, ConfigurationWindows& windows,
                          PcClock pcClock);

    // "Создание нового файла конфигурации": the editor on the defaults; an
    // accepted configuration is always offered for saving.
    void createNew();
    // "Просмотр/Корректировка файла конфигурации": the editor on a file; an
    // accepted configuration is offered for saving only when it changed.
    void viewFile();
    // "Сохранение параметров конфигурации в файле": every configuration table
    // read with the progress window, then offered for saving. The moisture-meter
    // flag follows table 6 as read (the caller rebuilds the menu).
    void saveFromController();

private:
    const WorkDirectory& directory_;
    RequestContext context_;
    ConfigurationWindows& windows_;
    PcClock pcClock_;
};
