#pragma once

#include "app/report_windows.h"

#include <QDialog>

// The report dialog "Данные в отчете": the document's lines and "Выход",
// "Печать", "Просмотр" (which has the focus). Closing it is "Выход".
class TFormQuesPrn : public QDialog {
    Q_OBJECT
public:
    explicit TFormQuesPrn(const QStringList& lines, QWidget* parent = nullptr);

    ReportWindows::Choice choice() const { return choice_; }

private:
    void choose(ReportWindows::Choice choice);

    ReportWindows::Choice choice_ = ReportWindows::Choice::Exit;
};
