#pragma once

#include "reports/print_kind.h"

#include <QDialog>

class QLineEdit;

// The print-choice dialog " Данные для печати": the document's three title
// lines and the organisation's name printed at the top of every page.
// "Печатать" accepts, "Отменить" rejects.
class TFormQues_Prn : public QDialog {
    Q_OBJECT
public:
    TFormQues_Prn(const DocumentTitle& title, const QString& organisation, QWidget* parent = nullptr);

    // The name as typed, at most 40 characters.
    QString organisation() const;

private:
    QLineEdit* organisation_ = nullptr;
};
