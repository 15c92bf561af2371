#pragma once

#include "exchange/request_context.h"

// What the program does after some tables have been read or written, besides
// keeping their bytes in the image.
namespace TableEffects {

// Panel 1 shows the name in table 5, trimmed.
void showControllerName(RequestContext& context);

// Table 5 arrived in the controller's character set (or was written from it):
// the image gets it back in the program's and panel 1 shows it.
void nameArrived(RequestContext& context);

// Table 6: byte 8 tells whether a moisture meter is connected.
void takeSystemParameters(RequestContext& context);

// Table 3 was written: the controller now answers at the address and bit rate
// in its bytes 0 and 1. The current link's settings take them and the link
// panel shows them; the engine takes them too unless the controller is to be
// disconnected once its configuration is written.
void takePortParameters(RequestContext& context);

} // namespace TableEffects
