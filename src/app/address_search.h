#pragma once

class Operator;
class hgcbox;
struct Settings;

// "Поиск адреса устройства": loads the engine with the direct line's settings,
// asks whoever is on the line for field 0 of table 0 at the address that every
// controller answers, and takes the address the answer comes from into the
// direct line's settings. Tells the operator the outcome; true when an address
// was found. The port is closed afterwards.
bool searchDeviceAddress(Settings& settings, hgcbox& engine, Operator& person);
