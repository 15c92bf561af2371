#pragma once

#include "app/operator.h"

#include <QMainWindow>
#include <QMap>

class AppState;
class QLabel;

// The main window: menu, the status bar with its four panels, the second bar
// (the subscriber) and the third bar (modem progress).
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(AppState& state, QWidget* parent = nullptr);

    void setPanelText(StatusPanel panel, const QString& text);
    QString panelText(StatusPanel panel) const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStatusBars();
    void fitTransientPanel();

    AppState& state_;
    QMap<StatusPanel, QLabel*> panels_;
    QWidget* secondBar_ = nullptr;
    QWidget* thirdBar_ = nullptr;
    QLabel* modemClock_ = nullptr;
};
