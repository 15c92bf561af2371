#pragma once

#include "settings/link_record.h"

#include <QDialog>

class Operator;
class hgcbox;
struct Settings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The PC-side settings of one link kind: port, bit rate, preambles, waits,
// attempts, and the modem or TCP connect items. Values replace the settings in
// memory only when every check passes. The direct line's address search runs
// the engine on them.
class TFormConn_Par : public QDialog {
    Q_OBJECT
public:
    TFormConn_Par(Settings& settings, hgcbox& engine, Operator& person, LinkKind kind, QWidget* parent = nullptr);

private:
    QLineEdit* addField(const QString& label, const QString& value, int digits);
    bool store();
    void searchAddress();

    Settings& settings_;
    hgcbox& engine_;
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
    QLineEdit* sendPause_ = nullptr;
    QList<QPushButton*> buttons_;
};
