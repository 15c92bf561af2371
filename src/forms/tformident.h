#pragma once

#include <QByteArrayView>
#include <QDialog>

// The controller's identification (table 0), read only. For a configuration
// created new only the type and the software version mean anything: the other
// items are shown greyed and empty.
class TFormIdent : public QDialog {
    Q_OBJECT
public:
    TFormIdent(QByteArrayView identification, bool newConfiguration, QWidget* parent = nullptr);
};
