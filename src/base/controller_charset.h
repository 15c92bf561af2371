#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The controller may hold its name (table 5) in code page 866 while the program
// works in Windows-1251. Both conversions go byte by byte and keep the length:
// bytes 0..127 stay themselves, Cyrillic letters move between the code pages,
// and characters one side lacks become a look-alike or '_'. Reading back, the
// control codes 15, 20 and 21 become the currency sign, pilcrow and section
// sign that code page 866 shows for them.
QByteArray toControllerCharset(QByteArrayView windows1251);
QByteArray fromControllerCharset(QByteArrayView codePage866);
