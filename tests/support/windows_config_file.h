#pragma once

#include "tables/config_record.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

// A configuration file laid out byte by byte as the Windows program writes it
// (flow-computer passwords stored as (4 - b) mod 256), made without the code
// the tests check. Tables the fields below do not name hold a new
// configuration's values; the set-points are all 0.5.
struct WindowsConfigFile {
    struct FlowComputer {
        std::uint8_t address = 1;
        std::uint8_t type = 0;
        std::uint8_t pipelines = 1;
        std::uint8_t byteOrder = 0;
        QByteArray password; // blank-padded to 16
    };
    struct User {
        QByteArray name; // blank-padded to 4
        std::uint8_t level = 0;
        QByteArray password; // blank-padded to 12
        QByteArray code;     // blank-padded to 4
    };

    std::uint8_t origin = 1; // read from a controller
    std::uint8_t softwareVersion = 4;
    std::uint8_t controllerAddress = 1;
    std::uint8_t chromatographAddress = 1;
    std::vector<FlowComputer> flowComputers{FlowComputer{}};
    std::vector<User> users;
    std::uint8_t gateway[4] = {192, 168, 1, 1};

    QByteArray bytes() const;
};

// The record a test's file holds, as the configuration file's check reads it.
ConfigRecord recordOf(const WindowsConfigFile& file);
