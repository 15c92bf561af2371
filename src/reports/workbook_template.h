#pragma once

#include "reports/sheet_cells.h"
#include "reports/workbook_package.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

// A workbook opened as a template: its active sheet is written cell by cell,
// then the whole workbook is packed anew. The workbook is told to recalculate
// every formula when it is opened, since no value a formula shows is ours.
class WorkbookTemplate {
public:
    // None when the bytes are no workbook we can fill: no zip archive, no
    // workbook part, no active sheet, a part that is no well-formed XML.
    static std::optional<WorkbookTemplate> open(const QByteArray& archive, QString& reason);

    SheetCells& activeSheet() { return *cells_; }

    // The filled workbook's bytes: the sheet and the workbook part rewritten, a
    // calculation chain dropped (it would name cells that no longer hold
    // formulas), every other part as the template holds it.
    std::optional<QByteArray> filled(QString& reason);

private:
    explicit WorkbookTemplate(WorkbookPackage package) : package_(std::move(package)) {}

    bool readParts(QString& reason);
    void dropCalculationChain();

    WorkbookPackage package_;
    QString workbookPart_;
    QString sheetPart_;
    std::unique_ptr<pugi::xml_document> workbook_ = std::make_unique<pugi::xml_document>();
    std::unique_ptr<pugi::xml_document> sheet_ = std::make_unique<pugi::xml_document>();
    std::optional<SheetCells> cells_;
};
