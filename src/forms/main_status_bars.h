#pragma once

#include "base/operator.h"

#include <QMap>
#include <QObject>

class QLabel;
class QMainWindow;
class QWidget;

// The main window's status bar with its four panels (link, address and
// controller name, transient texts, the engine's "Обмен..."), and the two bars
// above it: the subscriber line and the modem's progress, each shown only
// while it has text.
class MainStatusBars : public QObject {
    Q_OBJECT
public:
    explicit MainStatusBars(QMainWindow& window);

    void setText(StatusPanel panel, const QString& text);
    QString text(StatusPanel panel) const;

    // Panel 2 takes what panels 0 and 1 leave, less room for the exchange panel.
    void fitTransientPanel();
    // Top of the lowest bar shown, in the window's coordinates.
    int top() const;

private:
    QMainWindow& window_;
    QMap<StatusPanel, QLabel*> panels_;
    QWidget* subscriberBar_ = nullptr;
    QWidget* modemBar_ = nullptr;
};
