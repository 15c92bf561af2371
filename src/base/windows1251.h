#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Files shared with stations running the Windows program (ini files, text rows,
// names in binary records) hold their texts in Windows-1251; the conversion
// happens only at the file boundary. Characters without a Windows-1251 byte become '?'.
QByteArray toWindows1251(const QString& text);
QString fromWindows1251(QByteArrayView bytes);
