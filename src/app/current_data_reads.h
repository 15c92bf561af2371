#pragma once

#include "archives/controller_state.h"
#include "exchange/request_context.h"

#include <array>
#include <cstdint>
#include <optional>

// The reads behind the current-data and controller-state windows. The values
// land in the image, where the windows take them from. The periodic reads are
// quiet (no status text, no retry question: a failure leaves the last values
// and the next tick tries again); the reads a command or a button starts with
// are interactive.
class CurrentDataReads {
public:
    enum class Instrument { Chromatograph = 0, MoistureMeter = 1 };

    explicit CurrentDataReads(RequestContext context) : context_(context) {}

    // The first step of "NChrom_MomData" and "NWmt_MomData": the instrument's
    // link (table 33) read with the busy cursor. True when the window may open;
    // without a link the operator is told so.
    bool linkPresent(Instrument instrument);
    // Table 8, both records, with the busy cursor: none when the read failed.
    std::optional<std::array<std::uint8_t, 2>> functions();

    // The periodic reads.
    bool readAnalysis() { return quiet(30, 0, 22); }
    bool readZones() { return quiet(32, 0, 20); }
    bool readMoistureValues() { return quiet(37, 0, 7); }
    bool readLinks() { return quiet(33, 0, 2); }
    // Table 16, its words put in the image's order.
    bool readAbnormalFlags();

    // Table 7 with the busy cursor, for the table-state dialog.
    bool readTableStates();
    // Tables 9 (the count), 18, 34 and 35 with the busy cursor: none when a read
    // failed or the count is no count of flow computers (1 to 16).
    std::optional<FlowComputerExchange> flowComputers();

private:
    bool quiet(int table, int first, int count);
    bool interactive(int table, int first, int count);

    RequestContext context_;
};
