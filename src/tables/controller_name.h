#pragma once

#include "tables/param_image.h"

#include <QString>

// The controller's name, table 5: 20 bytes, blank-padded. The controller may
// hold it in code page 866 (table 0 says so); the image holds it in Windows-1251
// except for the moment it is written.
namespace ControllerName {

// Convert table 5 in the image between the two character sets when the
// identification in the image says the controller uses code page 866.
void fromController(ParamImage& image);
void toController(ParamImage& image);

// The name as the status bar shows it: blanks trimmed at both ends.
QString shown(const ParamImage& image);

// The 20 bytes of table 5 for a name as typed: Windows-1251, blank-padded, at
// most 20 characters taken.
QByteArray field(const QString& name);
} // namespace ControllerName
