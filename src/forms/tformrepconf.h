#pragma once

#include "gas/report_settings.h"

#include <QDialog>
#include <QList>

class Operator;
class QButtonGroup;
class QComboBox;

// How gas data are presented: molar or volume fractions, the heat unit, whose
// properties, the daily report's form, the methane correction, and the decimals
// of each value. Accepted, `settings` holds the choices; otherwise it is unchanged.
class TFormRepConf : public QDialog {
    Q_OBJECT
public:
    TFormRepConf(ReportSettings& settings, Operator& person, QWidget* parent = nullptr);

private:
    void store();

    ReportSettings& settings_;
    Operator& person_;
    QList<QButtonGroup*> choices_;
    QList<QComboBox*> digits_;
};
