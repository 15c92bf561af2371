#pragma once

#include "base/operator.h"
#include "link/hgcbox.h"
#include "settings/settings_block.h"
#include "tables/param_image.h"

#include <cstdint>

// What the table transfers work on: the engine that talks to the controller, the
// person who sees the status bar and answers the retry question, the image the
// fields go to and come from, and the state that some tables change as a side
// effect (the current link's settings after table 3, the moisture-meter flag
// after table 6).
struct RequestContext {
    hgcbox& engine;
    Operator& person;
    ParamImage& image;
    SettingsBlock& settings;
    std::uint8_t& moistureMeter; // byte 8 of table 6: 0 when no moisture meter is connected
    // The connection start writes the whole configuration of a version-14
    // controller and disconnects afterwards: the engine keeps the address and
    // bit rate it reached the controller with.
    bool writeAndDisconnect = false;
};
