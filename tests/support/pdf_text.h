#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text of a PDF as pdftotext lays it out (-layout), one entry per page.
QStringList pdfPages(const QByteArray& pdf);

// The fonts the PDF names, as pdffonts lists them.
QString pdfFonts(const QByteArray& pdf);
