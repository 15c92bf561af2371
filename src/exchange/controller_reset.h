#pragma once

#include "exchange/request_context.h"

// Resets all non-volatile data of the controller (request 25). The controller
// then restarts at address 1 and 9600 bit/s: the engine follows, and so do the
// saved settings of a direct or modem link (an Ethernet converter keeps its
// own). A failure is told to the operator as "Команда не может быть выполнена."
// with the engine's message. Asks nothing: the caller has asked.
bool resetNonVolatileData(RequestContext& context);
