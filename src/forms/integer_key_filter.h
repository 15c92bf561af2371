#pragma once

#include <QObject>

// Installed on integer input fields: drops every typed character the integer
// key rule refuses.
class IntegerKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Installs one shared filter, owned by `field`.
    static void install(QObject* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
