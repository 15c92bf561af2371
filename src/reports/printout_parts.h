#pragma once

#include <QList>

// A run of table rows printed together from a new page with the page head.
// A part with the summary ends the printout; a part of no rows holds only it.
struct PrintoutPart {
    int first = 0;
    int count = 0;
    bool summary = false;

    bool operator==(const PrintoutPart&) const = default;
};

// How many rows fit a page: alone with the head and the summary, on the first
// page under the head, on a full page, and on the last page above the summary.
struct PartRows {
    int single = 58;
    int first = 75;
    int full = 85;
    int last = 70;
};

// The parts of a table of `rows` rows: all on one page with the summary when
// they fit; else a first page, full pages while more remain, and a last page
// that leaves room for the summary, or the summary on a page of its own when
// the last rows filled their page.
QList<PrintoutPart> printoutParts(int rows, const PartRows& fitting = {});
