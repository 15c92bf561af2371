#pragma once

#include "exchange/request_layer.h"
#include "link/hgcbox.h"
#include "settings/settings_block.h"
#include "sim/sim_server.h"
#include "support/scripted_operator.h"
#include "tables/param_image.h"

#include <memory>
#include <vector>

// The request layer over the engine, talking to the in-process simulated
// controller on loopback TCP, as a controller with its own Ethernet port: no
// pause before each request.
class SimulatedLink {
public:
    // Credentials of the simulator's users.
    static constexpr const char* Administrator[2] = {"222222", "0002"};
    static constexpr const char* Operator4[2] = {"444444", "0004"};

    explicit SimulatedLink(const SimControllerOptions& controller = {});

    // False (with a test failure) when the simulator or the socket did not come up.
    bool up() const { return up_; }
    void logIn(const char* const credentials[2]);
    // A fault plan in the simulator's fault-file format, counted from now.
    void setFaults(const QString& plan);

    // The request frames the controller received since it started or was told to forget them,
    // and the ranges of the reads (code 1) and writes (code 2) among them.
    QList<QByteArray> frames();
    std::vector<FieldRange> reads();
    std::vector<FieldRange> writes();
    void forgetRequests();

    SimServer& server() { return *server_; }
    RequestContext context() { return {engine, person, image, settings, moistureMeter}; }

    hgcbox engine{1};
    ScriptedOperator person;
    ParamImage image;
    SettingsBlock settings;
    std::uint8_t moistureMeter = 0;
    RequestLayer layer{context()};

private:
    std::vector<FieldRange> rangesOf(int function);

    std::unique_ptr<SimServer> server_;
    bool up_ = false;
};

void PrintTo(const FieldRange& range, std::ostream* os);
