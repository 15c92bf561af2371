#pragma once

class AppState;
class Operator;

// The telephone connection of the connection start: dials the chosen
// subscriber over the engine's open port and, after a failure, asks whether to
// try again. True once the modem connection is up.
bool dialChosenSubscriber(AppState& state, Operator& person);

// Ends the telephone connection; the port stays open for the caller to close.
void hangUpModem(AppState& state, Operator& person);
