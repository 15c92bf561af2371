#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

// The active sheet of a workbook as openpyxl (/usr/bin/python3) reads it back,
// so that a test sees what a spreadsheet program would, not what we meant to write.
struct WorkbookSheet {
    // Empty when the workbook could not be read; the reason then.
    QString problem;
    int rowCount = 0;
    QStringList mergedRanges;           // "A2:A5", sorted
    QMap<QString, double> columnWidths; // by column letter, as stored
    QMap<int, double> rowHeights;       // by row number, where set
    QJsonObject cells;                  // by reference ("B7"): value, format, font, size, align, fill, borders

    // The cell's text; empty for an empty cell.
    QString text(const QString& reference) const;
    // The thin sides of the cell's border, of "LRTB" in that order ("RT": right and top).
    QString thinSides(const QString& reference) const;
    QString style(const QString& reference, const QString& property) const;
};

WorkbookSheet readWorkbook(const QString& path);
