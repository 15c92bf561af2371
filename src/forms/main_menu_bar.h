#pragma once

#include <QMap>
#include <QObject>
#include <QString>

class QAction;
class QMenuBar;

// The main window's menu built from the menu entries; the window connects each
// command by name and rebuilds the menu's visibility as the connection changes.
class MainMenuBar : public QObject {
    Q_OBJECT
public:
    explicit MainMenuBar(QMenuBar& bar);

    QAction* action(const QString& name) const { return actions_.value(name); }

    // Shows every item the state allows, at every depth.
    void rebuild(bool connected, bool moistureMeter);
    // Hides every item, as before the first connection.
    void hideAll();

private:
    QMenuBar& bar_;
    QMap<QString, QAction*> actions_;
};
