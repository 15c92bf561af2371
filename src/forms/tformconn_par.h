#pragma once

#include "settings/link_record.h"

#include <QDialog>

class AppState;
class Operator;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The PC-side settings of one link kind: port, bit rate, preambles, waits,
// attempts, and the modem or TCP connect items. Values replace the settings in
// memory only when every check passes.
class TFormConn_Par : public QDialog {
    Q_OBJECT
public:
    TFormConn_Par(AppState& state, Operator& person, LinkKind kind, QWidget* parent = nullptr);

private:
    QLineEdit* addField(const QString& label, const QString& value, int digits);
    bool store();
    void searchAddress();

    AppState& state_;
    Operator& person_;
    LinkKind kind_;
    QComboBox* port_ = nullptr;
    QComboBox* bitRate_ = nullptr;
    QLineEdit* preambles_ = nullptr;
    QLineEdit* answerWait_ = nullptr;
    QLineEdit* interByte_ = nullptr;
    QLineEdit* attempts_ = nullptr;
    QCheckBox* releasePort_ = nullptr;
    QLineEdit* portWait_ = nullptr;
    QLineEdit* modemCommand_ = nullptr;
    QLineEdit* connectWait_ = nullptr;
    QLineEdit* connectAttempts_ = nullptr;
    QList<QPushButton*> buttons_;
};
