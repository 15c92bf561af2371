#pragma once

class AppState;
class Operator;
class QWidget;

// The menu commands on a connected controller that open a table dialog in the
// middle of their exchanges. Each reads what its dialog shows, opens it on the
// image's bytes and writes what the operator confirmed.
namespace ControllerCommands {

// "Дата и время": the controller's clock beside the PC's, corrected on request.
// Returns true when a correction result was put in the transient panel.
bool dateAndTime(AppState& state, Operator& person, QWidget* parent);

// "Доступ пользователей к таблицам параметров": one user changed and written.
void userAccess(AppState& state, Operator& person, QWidget* parent);

} // namespace ControllerCommands
