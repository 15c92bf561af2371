#pragma once

#include "gas/report_settings.h"

#include <QString>
#include <vector>

// The main window's menu: every item with its name, caption and the submenu it
// belongs to (empty for the menu bar itself), in the order shown.
struct MenuEntry {
    QString name;
    QString caption;
    QString parent;
};

const std::vector<MenuEntry>& mainMenuEntries();

// What the menu rebuild hides: the items that need a connected controller while
// none is, the moisture-meter items of an installation without one, and the
// items this program keeps out of use.
bool menuItemHidden(const QString& name, bool connected, bool moistureMeter);

// The caption of "NRepPrint": the daily document the report kind prints.
QString reportPrintCaption(const ReportSettings& settings);
