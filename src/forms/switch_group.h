#pragma once

#include "tables/system_parameters.h"

#include <QGroupBox>

class QComboBox;
class QLabel;

// One group of the system-parameters dialog: when and how the controller's
// clock switches to summer or to winter time. Without a switch only the month
// list shows; a day of the month or a weekday in the month shows the lists of
// its kind.
class SwitchGroup : public QGroupBox {
    Q_OBJECT
public:
    SwitchGroup(Season season, const SwitchChoice& choice, QWidget* parent = nullptr);

    SwitchChoice choice() const;

private:
    QComboBox* addList(const QString& label, const QStringList& items, int selected, const QString& name);
    void monthChosen();
    void showFields();

    Season season_;
    QComboBox* month_;
    QComboBox* dayKind_;
    QComboBox* day_;
    QComboBox* week_;
    QComboBox* weekday_;
    QComboBox* hour_;
};
