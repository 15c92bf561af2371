#pragma once

class AppState;
class Operator;

// "Поиск адреса устройства": asks whoever is on the direct line for field 0 of
// table 0 at the address that every controller answers, and takes the address
// the answer comes from into the direct line's settings. Tells the operator the
// outcome; true when an address was found. The port is closed afterwards.
bool searchDeviceAddress(AppState& state, Operator& person);
