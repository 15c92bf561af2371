#pragma once

#include <QString>

// What a text reads as once it has been written as the value of an ini key and
// read back. Blanks around it and one pair of surrounding quotes are lost on the
// way, as with the Windows profile functions, so a save-then-load round trip is
// held against this rather than against the text itself.
QString readBackFromIni(const QString& text);
