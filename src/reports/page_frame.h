#pragma once

#include "archives/archive_file_header.h"
#include "reports/print_kind.h"
#include "reports/report_document.h"

#include <QList>
#include <QString>

// The lines of the page head, top to bottom.
struct PageHead {
    QString organisation;
    QString controller; // The controller's name the header holds, up to its first zero, without the blanks around it.
    QString controllerName(const ArchiveFileHeader& header);

    // "Контроллер "name"  (адрес n)"
    DocumentTitle title;
    QString madeBy; // "Составлен программой gqc_04  ..." with the time of the reading
};

// The controller's name the header holds, up to its first zero, without the blanks around it.
QString controllerName(const ArchiveFileHeader& header);

// "Контроллер "name"  (адрес n)" of the controller the file was read from.
QString controllerLine(const ArchiveFileHeader& header);

// The head of a printout of an archive file: the controller and the reading
// from its header, the title lines of `kind` for the header's period.
PageHead archivePageHead(const ArchiveFileHeader& header, PrintKind kind, const QString& organisation);

// The head's bands, the organisation and the title in 12 point, the rest in 10.
QList<ReportBand> pageHeadBands(const PageHead& head);

// The foot of a page: its number and, beside it, "из" the count.
ReportBand pageFooterBand(int number, int count);
