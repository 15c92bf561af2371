#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

// Shown while a telephone connection is up: the time since it was made,
// counted every second, and the button that ends it.
class ModemPanel : public QWidget {
    Q_OBJECT
public:
    explicit ModemPanel(QWidget* parent);

    // The connection is up from now: the clock starts at "00:00:00".
    void start();
    void stop();
    QString clockText() const;

signals:
    void disconnectRequested();

private:
    void tick();

    QLabel* clock_;
    QTimer ticker_;
    QElapsedTimer since_;
};
