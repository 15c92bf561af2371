#pragma once

#include "link/hgcbox.h"
#include "settings/com_port_names.h"

// Opens the engine's serial port as the engine wants it: 8 data bits, no
// parity, one stop bit, queues of 1000 bytes, DTR raised and RTS low.
hgcbox::PortOpener serialPortOpener(ComPortNames names);

// Whether port n exists: it opens, or another program holds it.
bool portExists(int number, const ComPortNames& names);
