#pragma once

#include "settings/link_record.h"

#include <QString>

class AppState;
class Operator;

// What the operator chose in the connection dialog.
struct ConnectionChoice {
    LinkKind kind = LinkKind::Direct;
    QString address;     // the controller address chosen for a direct line
    int subscriber = -1; // position in the subscriber selector; the list's count is "Новый абонент"
};

// "Связаться": checks the choice, saves the settings, loads the engine for the
// link and opens it (a direct line that opens its port per request is opened by
// its first request). Every refusal or failure is told to the operator and
// leaves the dialog open: false.
bool connectChosenLink(AppState& state, Operator& person, const ConnectionChoice& choice);

// "Коммуникационный порт СОМn недоступен" as the connection dialogs say it.
QString portUnavailableText(int port);
