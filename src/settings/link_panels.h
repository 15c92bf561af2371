#pragma once

#include "base/operator.h"
#include "settings/settings_block.h"

#include <QString>

// Texts of the link panels: the port and bit rate, the controller address, and
// the subscriber line of the second status bar. Empty where a link kind has none.
struct LinkPanelTexts {
    QString port;
    QString address;
    QString subscriber;
};

LinkPanelTexts linkPanelTexts(const SettingsBlock& block);

// Puts the link panel texts into the status bars.
void showLinkPanels(const SettingsBlock& block, Operator& person);
