#pragma once

#include "base/ini_file.h"
#include "settings/settings.h"

#include <QSize>

// The settings as gqc.ini holds them. Every key is in a table walked alike by
// reading and by writing: one table per section, and the link record's keys in
// tables of their own that the three link sections share.

// `screen` centres the window when the file does not place it.
Settings readGqcIni(const IniFile& ini, QSize screen);

// Writes every key of each section whose settings differ from `saved`; the
// sections that did not change keep their lines as they are.
void writeGqcIni(IniFile& ini, const Settings& settings, const Settings& saved);
