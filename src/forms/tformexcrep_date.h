#pragma once

#include "app/spreadsheet_report_windows.h"
#include "settings/object_list.h"

#include <QDialog>

class Operator;
class QBoxLayout;
class QComboBox;
class QLayout;
class QSpinBox;

// The object and the day (or month) of a spreadsheet report, within the day
// archive's period. New objects are added to the list, and written to
// "objects.ini", from here; the object list dialog opens from here too.
class TFormExcRep_Date : public QDialog {
    Q_OBJECT
public:
    TFormExcRep_Date(SpreadsheetReportKind kind, const ArchiveBounds& dayArchive, ObjectList& objects,
                     QString objectsFile, Operator& person, QWidget* parent = nullptr);

    // What was accepted; meaningful once the dialog is accepted.
    SpreadsheetReportChoice choice() const { return choice_; }

private:
    QLayout* buildObjectRow();
    void buildDateRows(QBoxLayout* layout, const DateStamp& initial);
    QWidget* buildDateRow(const QString& label, QWidget* field);
    QLayout* buildButtons();
    void fillObjects();
    void chooseObject(int index);
    void editObjectList();
    void fillDays();
    DateStamp shownDate() const;
    void acceptChoice();

    SpreadsheetReportKind kind_;
    ArchiveBounds dayArchive_;
    ObjectList& objects_;
    QString objectsFile_;
    Operator& person_;
    QComboBox* object_ = nullptr;
    QSpinBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* day_ = nullptr;
    SpreadsheetReportChoice choice_;
};
