#pragma once

#include <QString>

// Text from data (a controller's or an object's name) made fit to be part of a
// file name on any system: every character a file name may not hold (a folder
// separator, a control character, one of <>:"|?*) and every ".." become "_".
QString fileNamePart(const QString& text);
